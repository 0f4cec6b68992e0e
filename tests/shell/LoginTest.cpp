// The login window: the password comparison, Enter, the hint, and ending the program.
#include "ShellFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "shell/MainWindow.h"
#include "shell/LoginWindow.h"

#include <QTest>

namespace {

using shell::MainWindow;
using shell::LoginWindow;
using testing_support::click;

class LoginTest : public testing_support::ShellFixture {
 protected:
  LoginTest() { start(); }
  LoginWindow& form9() { return window<LoginWindow>(); }
  // A fresh login window on the screen, as start-up shows it.
  LoginWindow& showLogin() {
    session->windows.unload(LoginWindow::kName);  // ends the process in the program; counted here
    form9().Show();
    return form9();
  }
  // Types into the box and presses Enter, as the user does.
  void typeAndEnter(const QString& typed) {
    form9().Text1->clear();
    QTest::keyClicks(form9().Text1, typed);
    QTest::keyClick(form9().Text1, Qt::Key_Return);
  }
};

TEST_F(LoginTest, AWrongThenARightPasswordOpensTheMainWindow) {
  ASSERT_EQ(state.loginPassword, "691");
  showLogin();
  EXPECT_EQ(form9().windowTitle(), "登录");
  EXPECT_EQ(form9().Text1->echoMode(), QLineEdit::Password);

  typeAndEnter("123");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "密码错误！");
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_EQ(form9().Text1->text(), "123") << "the typed text stays and Enter inserts nothing";
  EXPECT_TRUE(form9().isShown());
  EXPECT_EQ(loaded<MainWindow>(), nullptr);

  typeAndEnter(" 691 ");
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_FALSE(form9().isShown());
  EXPECT_NE(loaded<LoginWindow>(), nullptr) << "the login window is hidden, not closed";
  ASSERT_NE(loaded<MainWindow>(), nullptr);
  EXPECT_TRUE(loaded<MainWindow>()->isShown());
  EXPECT_TRUE(loaded<MainWindow>()->windowState() & Qt::WindowMaximized);
  ASSERT_NE(loaded<prescription::PrescriptionWindow>(), nullptr);
  EXPECT_TRUE(loaded<prescription::PrescriptionWindow>()->isShown());
  EXPECT_EQ(processEnds, 0);
}

TEST_F(LoginTest, ComparisonTrimsBlanksAndIgnoresLetterCase) {
  struct Case {
    const char* stored;
    const char* typed;
    bool logsIn;
  } cases[] = {
      {"AbC", "abc", true},      {"abc", " ABC  ", true}, {" x1 ", "X1", true}, {"691", "6 91", false},
      {"691", "691\t", false},   {"", "", true},          {"", "   ", true},    {"", "x", false},
      {"黄芪", " 黄芪", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " / " + c.typed);
    state.loginPassword = QString::fromUtf8(c.stored);
    dialogs.messages.clear();
    showLogin();
    form9().Text1->setText(QString::fromUtf8(c.typed));
    click(form9(), "Command1");
    EXPECT_EQ(dialogs.messages.isEmpty(), c.logsIn);
    EXPECT_EQ(form9().isShown(), !c.logsIn);
    session->windows.unload(MainWindow::kName);
    flushDeletes();
  }
}

TEST_F(LoginTest, TheHintShowsOnlyWhileThePasswordIsExactlyTheOriginal) {
  struct Case {
    const char* stored;
    bool hint;
  } cases[] = {{"691", true}, {"691 ", false}, {" 691", false}, {"691\r", false}, {"abc", false}, {"", false}};
  for (const Case& c : cases) {
    state.loginPassword = QString::fromUtf8(c.stored);
    showLogin();
    EXPECT_EQ(form9().Label1->isVisible(), c.hint) << c.stored;
    EXPECT_EQ(form9().Label1->text(), "(原始密码：691)");
  }
}

TEST_F(LoginTest, CancelOrTheCloseBoxEndsTheProgramWithoutTheMainWindow) {
  click(showLogin(), "Command2");
  EXPECT_EQ(processEnds, 1);
  EXPECT_EQ(loaded<LoginWindow>(), nullptr);

  showLogin().close();
  EXPECT_EQ(processEnds, 2);
  EXPECT_EQ(loaded<MainWindow>(), nullptr);
}

TEST_F(LoginTest, TheWindowIsCentredOnTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect frame = showLogin().frameGeometry();
  EXPECT_NEAR(frame.center().x(), screen.center().x(), 2);
  EXPECT_NEAR(frame.center().y(), screen.center().y(), 2);
}

}  // namespace
