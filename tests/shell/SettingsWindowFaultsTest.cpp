// The settings on a main file that another program holds locked: the window and a reader
// while it is closed say once that the row cannot be read, the window never saves its
// fallbacks over the row, and a password change is told apart from a wrong old password.
#include "ShellFixture.h"

#include "shell/MainWindow.h"
#include "shell/SettingsWindow.h"
#include "support/FileFaults.h"

#include <QPushButton>
#include <QTest>

namespace {

using shell::SettingsWindow;
using testing_support::click;

class SettingsWindowFaultsTest : public testing_support::ShellFixture {
 protected:
  SettingsWindowFaultsTest() {
    start();
    login();
    dialogs.messages.clear();
  }
  SettingsWindow& openFromMenu() {
    chooseFromMenu("综合设置");
    return *loaded<SettingsWindow>();
  }
  testing_support::ShortBusyTimeout shortWait{150};
};

TEST_F(SettingsWindowFaultsTest, ARowThatCannotBeReadIsSaidOnceAndNeverSavedOver) {
  SettingsWindow* form = nullptr;
  {
    testing_support::ExclusiveLock lock(state.mainDbPath);
    form = &openFromMenu();
  }
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_EQ(dialogs.messages[0].text, shell::kSettingsUnreadable + "：文件正被其他程序或工作站占用");
  auto* save = named<QPushButton>(*form, "Command1");
  EXPECT_FALSE(save->isEnabled());

  form->Text2->setText("王医生");
  QTest::mouseClick(save, Qt::LeftButton);  // the lock is gone by now; the unread row is still not written
  EXPECT_EQ(storedSetting("医师"), "赵立新");
  EXPECT_EQ(storedSetting("单位名称"), "示例卫生所");
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(form->isShown()) << "what was typed stays on screen";
}

TEST_F(SettingsWindowFaultsTest, AReadWhileTheWindowIsClosedSaysOnceThatTheRowCannotBeRead) {
  session->settings.drop();  // as the window's close leaves the cache
  {
    testing_support::ExclusiveLock lock(state.mainDbPath);
    EXPECT_EQ(session->settings.values().sheetTop, "20") << "the shipped value stands in";
  }
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, shell::kSettingsUnreadable + "：文件正被其他程序或工作站占用");
  EXPECT_FALSE(session->settings.rowRead());
  EXPECT_EQ(loaded<SettingsWindow>(), nullptr) << "nothing of the window was made";
  session->settings.values();
  EXPECT_EQ(dialogs.messages.size(), 1) << "said once, not at every read";
}

TEST_F(SettingsWindowFaultsTest, APasswordChangeOnALockedFileIsNotAWrongPassword) {
  SettingsWindow& form = openFromMenu();
  form.Text8->setText("691");
  form.Text12->setText("abc");
  {
    testing_support::ExclusiveLock lock(state.mainDbPath);
    click(form, "Command3");
  }
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "无法修改密码：文件正被其他程序或工作站占用。原密码仍然有效，请稍后再试！");
  EXPECT_EQ(storedSetting("密码"), "691\n");
  EXPECT_TRUE(form.isShown());
  EXPECT_EQ(form.Text12->text(), "abc");
}

}  // namespace
