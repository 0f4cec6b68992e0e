// The outpatient log window "门诊日志": the visits of a range of dates, one per row, with
// their count, the export to a spreadsheet file, the printed log book and its two print
// margins, which are kept in the settings row when the window closes.
#pragma once

#include "clinical/service/OutpatientLog.h"
#include "links/WindowNames.h"
#include "printing/service/PrintDevice.h"
#include "ui/PagedGrid.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>

namespace clinical {

class OutpatientLogWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = links::kOutpatientLogWindow;
  using DeviceFactory = std::function<std::unique_ptr<printing::PrintDevice>()>;

  explicit OutpatientLogWindow(ui::Session& session);

  // Opens the log afresh, as the menu and the prescription window's toolbar do: an open
  // log is closed first, which keeps its margins.
  static OutpatientLogWindow& openAfresh(ui::Session& session);

  void Form_Load() override;
  void Form_Unload() override;

  // Where the print goes (the system's default printer unless a test says otherwise),
  // and the physician printed on every page (the settings' physician unless told).
  void setPrintDevices(DeviceFactory devices) { devices_ = std::move(devices); }
  void setPhysicianSource(std::function<QString()> source) { physician_ = std::move(source); }

  ui::PagedGrid* grid = nullptr;
  QFrame* Frame1 = nullptr;
  QFrame* Frame2 = nullptr;
  QLineEdit* Text1 = nullptr;  // left print margin, mm
  QLineEdit* Text5 = nullptr;  // top print margin, mm
  QLineEdit* Text3 = nullptr;  // first visit date
  QLineEdit* Text4 = nullptr;  // last visit date
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QLabel* Label1 = nullptr;
  QString Text6;  // the last export file chosen in this window

 public slots:
  void Command1_Click();  // 查  询
  void Command2_Click();  // 导出Excel
  void Command3_Click();  // 打  印

 private:
  void buildControls();
  // The range of the date boxes; says why when they hold no dates.
  std::optional<LogRange> range();
  void clearGrid();

  ui::Session& session_;
  DeviceFactory devices_;
  std::function<QString()> physician_;
};

}  // namespace clinical
