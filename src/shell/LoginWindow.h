// The login window: asks for the one password of the installation before the main window
// opens. Cancelling or closing it ends the program.
#pragma once

#include "ui/Session.h"
#include "ui/Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace shell {

class LoginWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form9";
  // The password every installation starts with.
  static inline const QString kOriginalPassword = QStringLiteral("691");

  explicit LoginWindow(ui::Session& session);

  // Centred on the screen; the hint shows only while the password is still the original.
  void Form_Load() override;
  // Ends the program, whatever else is open.
  void Form_Unload() override;

  void Command1_Click();  // "确  定"
  void Command2_Click();  // "取  消"

  QLabel* lblVersion = nullptr;
  QLineEdit* Text1 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;

 private:
  ui::Session& session_;
};

}  // namespace shell
