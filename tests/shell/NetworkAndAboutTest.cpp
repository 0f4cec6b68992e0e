// The network-setting window, read back by start-up, and the about window's pages.
#include "ShellFixture.h"

#include "shell/MainWindow.h"
#include "shell/AboutWindow.h"
#include "shell/NetworkWindow.h"
#include "startup/HostNameFile.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "support/TempFolder.h"
#include "text/ScrambledText.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

using shell::AboutWindow;
using shell::NetworkWindow;
using testing_support::click;

class NetworkSettingTest : public testing_support::ShellFixture {
 protected:
  NetworkSettingTest() {
    start();
    login();
  }
  NetworkWindow& openFromMenu() {
    chooseFromMenu("分机设置");
    return *loaded<NetworkWindow>();
  }
  QByteArray hostFile() { return testing_support::readBytes(dataFile("kvlo-12.jpg")); }
};

TEST_F(NetworkSettingTest, TheHostNameIsWrittenScrambledAndStartUpReadsItBack) {
  NetworkWindow& form = openFromMenu();
  EXPECT_EQ(form.windowTitle(), "联网设置");
  EXPECT_EQ(form.Label1->text(), "请输入主机的计算机名");
  EXPECT_EQ(form.Text1->text(), "") << "the stored name is not shown";
  form.Text1->setText("  诊室-PC1 ");
  click(form, "Command1");

  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "设置成功，请重新启动程序！");
  EXPECT_EQ(dialogs.messages[0].title, "");
  EXPECT_EQ(processEnds, 1);
  EXPECT_FALSE(form.isShown());
  const QByteArray line = hostFile();
  EXPECT_TRUE(line.endsWith("\r\n"));
  EXPECT_EQ(line.count("\n"), 1);
  // Each double-byte character is one negative number.
  EXPECT_TRUE(line.startsWith("-")) << line.toStdString();
  EXPECT_EQ(text::UnscrambleText(QString::fromLatin1(line.trimmed())), QString("诊室-PC1"));

  // The next start takes the host's files.
  const QString share = folder.makeDir("shares/诊室-PC1/Corvala数据库");
  startup::writeMissingTemplates(share);
  startup::StartupEnvironment environment;
  environment.drives = folder.drives();
  environment.stationCode = "T2";
  const startup::AppState next = startup::Main(environment, dialogs).value();
  EXPECT_TRUE(next.networkMode);
  EXPECT_EQ(next.hostName, "诊室-PC1");
  EXPECT_EQ(next.mainDbPath, QDir(share).filePath("数据库.dat"));
}

TEST_F(NetworkSettingTest, BlanksOnlyDoNothingAndASecondNameReplacesTheFirst) {
  NetworkWindow& form = openFromMenu();
  form.Text1->setText("   ");
  click(form, "Command1");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_FALSE(QFileInfo::exists(dataFile("kvlo-12.jpg")));
  EXPECT_TRUE(form.isShown());

  form.Text1->setText("HOSTA");
  click(form, "Command1");
  openFromMenu().Text1->setText("B");
  click(*loaded<NetworkWindow>(), "Command1");
  EXPECT_EQ(hostFile(), QByteArray::number('B' ^ 0xB3) + "\r\n");
}

TEST_F(NetworkSettingTest, AFailedWriteIsReportedAndTheWindowStays) {
  NetworkWindow& form = openFromMenu();
  state.localDataFolder = folder.sub("gone");  // a data folder that has disappeared
  form.Text1->setText("HOSTA");
  click(form, "Command1");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_NE(dialogs.messages[0].text, "设置成功，请重新启动程序！");
  EXPECT_TRUE(form.isShown());
  EXPECT_EQ(processEnds, 0);

  form.Text1->setText("HOST\u00A9");  // a character code page 936 cannot hold
  state.localDataFolder = QFileInfo(dataFile("x")).path();
  click(form, "Command1");
  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_EQ(processEnds, 0);
}

class AboutTest : public testing_support::ShellFixture {
 protected:
  AboutTest() {
    start();
    login();
    chooseFromMenu("版本信息");
  }
  AboutWindow& about() { return *loaded<AboutWindow>(); }
};

TEST_F(AboutTest, ShowsTheProductAndOpensItsThreePages) {
  EXPECT_EQ(about().windowTitle(), "关于");
  EXPECT_EQ(about().size(), ui::pxSize(8520, 6585));
  EXPECT_EQ(about().Label2->text(), "Tavorin");
  EXPECT_EQ(about().Label4->text(), "版本：V12.1");
  EXPECT_EQ(about().Label8->palette().color(QPalette::Window), QColor(75, 121, 198));
  EXPECT_EQ(about().Label7->text(), "https://tavorin.example/home");

  click(about(), "Command1");
  click(about(), "Command2");
  click(about(), "Command3");
  QTest::mouseClick(about().Label7, Qt::LeftButton);
  EXPECT_EQ(dialogs.openedUrls,
            (QList<QUrl>{QUrl("https://tavorin.example/download"), QUrl("https://tavorin.example/help"),
                         QUrl("https://tavorin.example/home"), QUrl("https://tavorin.example/home")}));

  // "操作帮助" here and in the menu open the same page.
  chooseFromMenu("操作帮助");
  EXPECT_EQ(dialogs.openedUrls.last(), dialogs.openedUrls[1]);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(AboutTest, APageThatCannotOpenIsReportedOnce) {
  dialogs.openUrlSucceeds = false;
  click(about(), "Command1");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_TRUE(dialogs.messages[0].text.contains("https://tavorin.example/download"));
}

}  // namespace
