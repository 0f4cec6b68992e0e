#include "shell/LoginWindow.h"

#include "shell/MainWindow.h"
#include "text/Blank.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Guard.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace shell {
namespace {

// Blanks trimmed and letters lowered, on both sides of the comparison.
QString comparable(const QString& password) { return text::trimBlanks(password).toLower(); }

}  // namespace

LoginWindow::LoginWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("登录"));
  setClientSize(5820, 3180);
  setAutoFillBackground(true);

  // Image1 and Image2: a coloured band with the product name, and a rule under it.
  auto* Image1 = ui::make<QLabel>(this, "Image1", {0, 0, 5820, 900});
  Image1->setStyleSheet(QStringLiteral("background: rgb(75, 121, 198);"));
  Label2 = ui::make<QLabel>(this, "Label2", {360, 150, 5100, 600}, QStringLiteral("Tavorin"));
  Label2->setFont(ui::designFont(ui::kHeiTi, 21.75, true));
  Label2->setStyleSheet(QStringLiteral("color: white;"));
  auto* Image2 = ui::make<QLabel>(this, "Image2", {0, 900, 5820, 45});
  Image2->setStyleSheet(QStringLiteral("background: rgb(144, 163, 178);"));

  lblVersion = ui::make<QLabel>(this, "lblVersion", {480, 1230, 1800, 300}, QStringLiteral("请输入登录密码"));
  Text1 = ui::make<QLineEdit>(this, "Text1", {2160, 1170, 2400, 360});
  ui::setCaption(lblVersion, Text1);
  Text1->setEchoMode(QLineEdit::Password);
  Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"

  Label1 = ui::make<QLabel>(this, "Label1", {2160, 1620, 2400, 270}, QStringLiteral("(原始密码：691)"));
  Label1->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));

  Command1 = ui::make<QPushButton>(this, "Command1", {1560, 2340, 1260, 420}, QStringLiteral("确  定"));
  Command2 = ui::make<QPushButton>(this, "Command2", {3120, 2340, 1260, 420}, QStringLiteral("取  消"));

  connect(Command1, &QPushButton::clicked, this, &LoginWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &LoginWindow::Command2_Click);
  // Enter in the box logs in; the key inserts nothing.
  connect(Text1, &QLineEdit::returnPressed, this, &LoginWindow::Command1_Click);
}

void LoginWindow::Form_Load() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    Move((ui::twips(s.width()) - Width()) / 2.0, (ui::twips(s.height()) - Height()) / 2.0);
  }
  Label1->setVisible(session_.state.loginPassword == kOriginalPassword);
}

void LoginWindow::Command1_Click() {
  if (comparable(Text1->text()) != comparable(session_.state.loginPassword)) {
    session_.dialogs.message(QStringLiteral("密码错误！"));
    return;
  }
  // Hidden, not closed: closing the login window ends the program.
  Hide();
  const bool opened = ui::runGuarded(session_.dialogs, QStringLiteral("主窗口无法打开"),
                                     [this] { session_.windows.get<MainWindow>().Show(); });
  if (!opened) Show();
}

void LoginWindow::Command2_Click() { session_.windows.unload(name()); }

void LoginWindow::Form_Unload() {
  if (session_.endProcess) session_.endProcess();
}

}  // namespace shell
