#include "shell/Form9.h"

#include "shell/Form1.h"
#include "text/Blank.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace shell {
namespace {

// Blanks trimmed and letters lowered, on both sides of the comparison.
QString comparable(const QString& password) { return text::trimBlanks(password).toLower(); }

}  // namespace

Form9::Form9(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("登录"));
  setClientSize(5820, 3180);
  setAutoFillBackground(true);

  // Image1 and Image2: a coloured band with the product name, and a rule under it.
  auto* Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(ui::pxRect(0, 0, 5820, 900));
  Image1->setStyleSheet(QStringLiteral("background: rgb(75, 121, 198);"));
  Label2 = new QLabel(QStringLiteral("Tavorin"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(ui::designFont(ui::kHeiTi, 21.75, true));
  Label2->setStyleSheet(QStringLiteral("color: white;"));
  Label2->setGeometry(ui::pxRect(360, 150, 5100, 600));
  auto* Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(ui::pxRect(0, 900, 5820, 45));
  Image2->setStyleSheet(QStringLiteral("background: rgb(144, 163, 178);"));

  lblVersion = new QLabel(QStringLiteral("请输入登录密码"), this);
  lblVersion->setObjectName(QStringLiteral("lblVersion"));
  lblVersion->setGeometry(ui::pxRect(480, 1230, 1800, 300));
  Text1 = new QLineEdit(this);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(ui::pxRect(2160, 1170, 2400, 360));
  Text1->setEchoMode(QLineEdit::Password);
  Text1->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // "*"
  Label1 = new QLabel(QStringLiteral("(原始密码：691)"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(ui::pxRect(2160, 1620, 2400, 270));
  Label1->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));

  Command1 = new QPushButton(QStringLiteral("确  定"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(ui::pxRect(1560, 2340, 1260, 420));
  Command2 = new QPushButton(QStringLiteral("取  消"), this);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setGeometry(ui::pxRect(3120, 2340, 1260, 420));

  connect(Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
  // Enter in the box logs in; the key inserts nothing.
  connect(Text1, &QLineEdit::returnPressed, this, &Form9::Command1_Click);
}

void Form9::Form_Load() {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    Move((ui::twips(s.width()) - Width()) / 2.0, (ui::twips(s.height()) - Height()) / 2.0);
  }
  Label1->setVisible(session_.state.LoginPassword == kOriginalPassword);
}

void Form9::Command1_Click() {
  if (comparable(Text1->text()) != comparable(session_.state.LoginPassword)) {
    session_.dialogs.message(QStringLiteral("密码错误！"));
    return;
  }
  // Hidden, not closed: closing the login window ends the program.
  Hide();
  session_.windows.get<Form1>().Show();
}

void Form9::Command2_Click() { session_.windows.unload(name()); }

void Form9::Form_Unload() {
  if (session_.endProcess) session_.endProcess();
}

}  // namespace shell
