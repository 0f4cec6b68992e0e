// The prescription window: the paper-like sheet in the middle, where the physician types
// the patient and the prescription, inside the main window.
#pragma once

#include "ui/ControlArray.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace prescription {

// Elements of the sheet's label array Label2.
enum SheetLabel { kSheetTitle = 0, kSheetName = 3 };

class Form2 : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form2";
  // The caption before the program's title.
  static inline const QString kDesignCaption = QStringLiteral("处方录入");

  explicit Form2(ui::Session& session);

  void Form_Load() override;

  // The sheet title: the unit name, sized to its caption and centred across the sheet.
  void setSheetTitle(const QString& unitName);

  // -1 while the window fills its own controls; the look-ups of its change and focus
  // handlers then do nothing.
  int BusyFlag = 0;

  // The sheet: white, sunken, laid out as printed.
  QFrame* Picture2 = nullptr;
  ui::ControlArray<QLabel> Label2{QStringLiteral("Label2")};
  // The herbal usage phrase under the herbal prescription; shown in herbal mode only.
  QComboBox* C1 = nullptr;
  // The new-prescription alert, every 3000 ms while this workstation's bell is on
  // (started by the main window's load and by the settings window's save).
  QTimer* Timer1 = nullptr;

 private:
  void buildSheet();
  // Centres a label of the sheet across it, keeping its top.
  void centreOnSheet(QLabel* label);

  ui::Session& session_;
};

}  // namespace prescription
