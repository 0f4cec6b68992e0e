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

  // What the other windows ask of the prescription window. The sheet title and the bell
  // follow the settings by themselves; these set them directly.

  // The sheet title: the unit name, sized to its caption and centred across the sheet.
  void setSheetTitle(const QString& unitName);
  // The new-prescription alert: while on, the counter file is looked at every 3000 ms.
  void setBell(bool on);
  bool bellOn() const;
  // Adds phrases to the herbal-usage drop-down, after what it holds.
  void addHerbalUsages(const QStringList& phrases);
  QStringList herbalUsages() const;
  // The herbal usage shown under the prescription.
  QString herbalUsage() const;

  // -1 while the window fills its own controls; the look-ups of its change and focus
  // handlers then do nothing.
  int BusyFlag = 0;

 private:
  void buildSheet();
  // Centres a label of the sheet across it, keeping its top.
  void centreOnSheet(QLabel* label);
  // Takes the sheet title and the bell from the settings.
  void followSettings();

  // The sheet: white, sunken, laid out as printed.
  QFrame* Picture2 = nullptr;
  ui::ControlArray<QLabel> Label2{QStringLiteral("Label2")};
  // The herbal usage phrase under the herbal prescription; shown in herbal mode only.
  QComboBox* C1 = nullptr;
  // The new-prescription alert, every 3000 ms while this workstation's bell is on.
  QTimer* Timer1 = nullptr;

  ui::Session& session_;
};

}  // namespace prescription
