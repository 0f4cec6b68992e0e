// The medical-record window: the visit's record in nine sections, written from phrases and
// record templates, handed to the prescription window's save and printed.
#pragma once

#include "links/PrescriptionLink.h"
#include "links/WindowNames.h"
#include "printing/PrinterDevice.h"
#include "printing/service/MedicalRecordPrint.h"
#include "clinical/service/MedicalRecordText.h"
#include "clinical/service/TemplateLibrary.h"
#include "ui/ControlArray.h"
#include "ui/Line.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace clinical {

// Elements of the section boxes Text2, in record order.
enum RecordSection { kComplaint = 0, kIllness = 1, kExam = 5, kDiagnosisBox = 7, kTreatment = 8 };

class MedicalRecordWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = links::kMedicalRecordWindow;
  using DeviceFactory = std::function<std::unique_ptr<printing::PrintDevice>()>;

  explicit MedicalRecordWindow(ui::Session& session);

  void Form_Load() override;
  void Form_Unload() override;

  void Command3_Click();  // 保  存
  void Command2_Click();  // 引用处方
  void Command6_Click();  // 保存为病历模板
  void Command4_Click();  // 删除病历模板
  void Command5_Click();  // 编辑常用语
  void Command1_Click();  // 打印病历
  void Text1_Change();
  void List1_Click();
  void List2_Click();

  // The record's nine sections as the boxes hold them (CR LF between lines).
  RecordSections sections() const;
  // Prints go to the devices this makes (the system's default printer unless set).
  void setPrintDevices(DeviceFactory devices) { devices_ = std::move(devices); }
  // The page as the window would print it now.
  printing::RecordSheet recordSheet() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  links::PrescriptionLink* link() const;
  bool withTemplates(const std::function<void(TemplateLibrary&)>& step);
  void fillPhrases();
  void fillTemplates();
  void fillBoxes(const SectionFill& fill);

  QFrame* Picture1 = nullptr;
  ui::ControlArray<QLabel> Label2{QStringLiteral("Label2")};
  ui::ControlArray<ui::Line> Line1{QStringLiteral("Line1")};
  QGroupBox* Frame1 = nullptr;
  ui::ControlArray<QPlainTextEdit> Text2{QStringLiteral("Text2")};
  QListWidget* List2 = nullptr;
  QLineEdit* Text1 = nullptr;
  QListWidget* List1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command6 = nullptr;
  QPointer<QPlainTextEdit> LastSectionBox;

  // A one-line section loaded with line breaks: the text as stored and as the box shows
  // it, kept until the box is edited.
  struct KeptSection {
    QString stored;
    QString shown;
  };
  std::array<std::optional<KeptSection>, kRecordSections> keptWhole_;

  DeviceFactory devices_;
  ui::Session& session_;
};

}  // namespace clinical
