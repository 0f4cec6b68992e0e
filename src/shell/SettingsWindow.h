// The settings window: the clinic's settings row (sheet title, defaults of a new
// prescription, print margins and font, printers, login password) and this
// workstation's bell switch. It is a view over the one settings object every window reads.
#pragma once

#include "settings/Settings.h"
#include "ui/ControlArray.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace shell {

// Said once when the settings row cannot be read, followed by the reason.
inline const QString kSettingsUnreadable = QStringLiteral("设置无法读取");

// What a read of the settings does while the window is closed: the row is read into the
// settings object, and a row that cannot be read is said as the window's load says it.
// The window itself is made only when it is opened: nothing of it is shown before.
void loadSettingsWithoutWindow(ui::Session& session);

class SettingsWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form8";

  explicit SettingsWindow(ui::Session& session);

  // Places the window, fills the font and printer lists, loads the row and the bell switch.
  void Form_Load() override;
  // However the window closes, its unsaved edits are dropped.
  void Form_Unload() override;

  void Command1_Click();  // "保  存"
  void Command2_Click();  // "取  消"
  void Command3_Click();  // "修改密码"

  QLineEdit* Text8 = nullptr;   // old password
  QLineEdit* Text12 = nullptr;  // new password
  QPushButton* Command3 = nullptr;
  QLineEdit* Text1 = nullptr;   // unit name
  QLineEdit* Text2 = nullptr;   // physician
  QLineEdit* Text6 = nullptr;   // dispenser
  QLineEdit* Text7 = nullptr;   // fee category
  QLineEdit* Text3 = nullptr;   // department
  QCheckBox* Check2 = nullptr;  // the bell switch
  QComboBox* Combo1 = nullptr;  // font of the printed prescription body
  QComboBox* Combo3 = nullptr;  // its size
  QLineEdit* Text4 = nullptr;   // sheet left margin
  QLineEdit* Text5 = nullptr;   // sheet top margin
  QLineEdit* Text11 = nullptr;  // record left margin
  QLineEdit* Text10 = nullptr;  // record top margin
  QLineEdit* Text14 = nullptr;  // infusion-card left margin
  QLineEdit* Text13 = nullptr;  // infusion-card top margin
  ui::ControlArray<QComboBox> Combo2{QStringLiteral("Combo2")};  // printers, see PrinterBox
  QRadioButton* Option1 = nullptr;  // portrait
  QRadioButton* Option2 = nullptr;  // landscape
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;

 private:
  void build();
  void showValues(const settings::SettingsValues& values);
  // Every box writes into the settings object as it changes, so readers see the edits.
  void bindToSettings();

  ui::Session& session_;
  bool filling_ = false;
};

}  // namespace shell
