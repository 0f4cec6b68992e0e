// The settings window as the view of the settings cache: loading, edits seen by readers,
// cancel, save with the sheet title and the bell, and the password change.
#include "ShellFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "shell/MainWindow.h"
#include "shell/SettingsWindow.h"
#include "ui/Twips.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

namespace {

using prescription::PrescriptionWindow;
using shell::SettingsWindow;
using testing_support::click;

class SettingsWindowTest : public testing_support::ShellFixture {
 protected:
  SettingsWindowTest() {
    start();
    login();
  }
  SettingsWindow& openFromMenu() {
    chooseFromMenu("综合设置");
    return *loaded<SettingsWindow>();
  }
  // The value every reader gets.
  const settings::SettingsValues& read() { return session->settings.values(); }
  bool markerExists() { return QFileInfo::exists(dataFile("Lstz.ini")); }
};

TEST_F(SettingsWindowTest, TheWindowShowsTheShippedRowWithItsLabelsAndPlacement) {
  SettingsWindow& form = openFromMenu();
  EXPECT_TRUE(form.isShown());
  EXPECT_EQ(form.windowTitle(), "综合设置");
  EXPECT_EQ(form.size(), ui::pxSize(9825, 5520));

  QStringList texts;
  for (QLabel* label : form.findChildren<QLabel*>()) texts << label->text();
  for (QGroupBox* group : form.findChildren<QGroupBox*>()) texts << group->title();
  for (QAbstractButton* button : form.findChildren<QAbstractButton*>()) texts << button->text();
  for (const char* caption :
       {"修改登录密码", "综合设置", "打印边距设置(单位：毫米)", "打印机设置", "原密码", "新密码", "修改密码",
        "单位名称", "医    师", "发    药", "默认费别", "默认科别", "开启新处方铃声通知", "处方打印字体",
        "处方字体大小", "处方左边距", "处方上边距", "病历左边距", "病历上边距", "输注卡左边距", "输液卡上边距",
        "处方打印机", "病历打印机", "取药单打印机", "打印方向：", "纵向", "横向", "默认打印机", "保  存", "取  消"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(caption))) << caption;

  EXPECT_EQ(form.Text1->text(), "示例卫生所");
  EXPECT_EQ(form.Text3->text(), "内儿科");
  EXPECT_EQ(form.Text7->text(), "自费");
  EXPECT_EQ(form.Combo1->currentText(), "宋体");
  EXPECT_GT(form.Combo1->count(), 0) << "the screen's fonts";
  EXPECT_EQ(form.Combo3->currentText(), "12");
  EXPECT_EQ(form.Combo3->count(), 5);
  EXPECT_EQ((QStringList{form.Text4->text(), form.Text5->text(), form.Text11->text(), form.Text10->text(),
                         form.Text14->text(), form.Text13->text()}),
            (QStringList{"10", "20", "10", "10", "10", "10"}));
  EXPECT_TRUE(form.Option1->isChecked());
  for (const auto& [index, printer] : form.Combo2) {
    EXPECT_EQ(printer->currentText(), "HP LaserJet") << index;
    EXPECT_EQ(printer->count(), 2) << index;
    if (index != settings::kDefaultPrinter) { EXPECT_FALSE(printer->isEnabled()) << index; }
  }
  EXPECT_FALSE(form.Combo2[settings::kDefaultPrinter]->isVisibleTo(&form));
  EXPECT_FALSE(form.Check2->isChecked());

  // Its own placement: 120 twips right of and 250 below the middle of the main window.
  // It is placed before it shows, when its frame is not yet known: half a frame's width.
  const auto& main = window<shell::MainWindow>();
  const int frameSlack = 5 * ui::kTwipsPerPixel;
  EXPECT_NEAR(form.Left(), main.Left() + (main.Width() - form.Width()) / 2 + 120, frameSlack);
  EXPECT_NEAR(form.Top(), main.Top() + (main.Height() - form.Height()) / 2 + 250, frameSlack);
}

TEST_F(SettingsWindowTest, TheCacheReadsTheRowWithoutTheWindowShowsEditsAndDropsThemOnCancelOrClose) {
  // Read while closed: the stored row, and still no window.
  execMain(R"(UPDATE "设置" SET "上边距" = '22')");
  session->settings.drop();
  EXPECT_EQ(read().sheetTop, "22");
  EXPECT_EQ(loaded<SettingsWindow>(), nullptr);
  execMain(R"(UPDATE "设置" SET "上边距" = '20')");
  EXPECT_EQ(read().sheetTop, "22") << "read once, then kept until the window is next opened";

  // While shown, readers see what the boxes hold.
  SettingsWindow& form = openFromMenu();
  form.Text5->clear();
  QTest::keyClicks(form.Text5, "35");
  form.Text1->setText("青山村卫生室");
  click(form, "Option2");
  form.Combo3->setCurrentText("14");
  EXPECT_EQ(read().sheetTop, "35");
  EXPECT_EQ(read().unitName, "青山村卫生室");
  EXPECT_FALSE(read().portrait);
  EXPECT_EQ(read().fontSize, "14");

  click(form, "Command2");  // 取消
  EXPECT_EQ(loaded<SettingsWindow>(), nullptr);
  EXPECT_EQ(read().sheetTop, "20");
  EXPECT_TRUE(read().portrait);
  EXPECT_EQ(storedSetting("上边距"), "20");

  SettingsWindow& again = openFromMenu();
  again.Text5->setText("44");
  again.close();  // the close box drops the edits too
  EXPECT_EQ(read().sheetTop, "20");

  // The menu always opens the stored values, even over unsaved edits.
  openFromMenu().Text5->setText("55");
  EXPECT_EQ(openFromMenu().Text5->text(), "20");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SettingsWindowTest, SaveStoresTheBoxesRetitlesTheSheetAndSetsTheBell) {
  SettingsWindow& form = openFromMenu();
  form.Text1->setText("青山村卫生室处方笺");
  form.Text5->setText("25");
  click(form, "Option2");
  form.Check2->setChecked(true);
  click(form, "Command1");

  EXPECT_EQ(loaded<SettingsWindow>() == nullptr || !loaded<SettingsWindow>()->isShown(), true);
  EXPECT_EQ(storedSetting("单位名称"), "青山村卫生室处方笺");
  EXPECT_EQ(storedSetting("上边距"), "25");
  EXPECT_EQ(storedSetting("备用1"), "1");
  EXPECT_EQ(storedSetting("处方打印机"), "HP LaserJet");
  EXPECT_EQ(read().sheetTop, "25");

  PrescriptionWindow& form2 = window<PrescriptionWindow>();
  QLabel* title = named<QLabel>(form2, "Label2_0");
  EXPECT_EQ(title->text(), "青山村卫生室处方笺");
  EXPECT_NEAR(title->x() * 2 + title->width(), named<QFrame>(form2, "Picture2")->width(), 1);
  EXPECT_TRUE(markerExists());
  EXPECT_EQ(QFileInfo(dataFile("Lstz.ini")).size(), 0);
  EXPECT_TRUE(named<QTimer>(form2, "Timer1")->isActive());

  SettingsWindow& off = openFromMenu();
  EXPECT_TRUE(off.Check2->isChecked()) << "the box follows the marker";
  off.Check2->setChecked(false);
  click(off, "Command1");
  EXPECT_FALSE(markerExists());
  EXPECT_FALSE(named<QTimer>(form2, "Timer1")->isActive());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SettingsWindowTest, AClosedPrescriptionWindowStaysClosedAndComesBackWithTheSavedSettings) {
  window<PrescriptionWindow>().subWindow()->close();
  flushDeletes();
  ASSERT_EQ(loaded<PrescriptionWindow>(), nullptr);

  SettingsWindow& form = openFromMenu();
  form.Text1->setText("青山村卫生室");
  form.Check2->setChecked(true);
  click(form, "Command1");
  EXPECT_EQ(loaded<PrescriptionWindow>(), nullptr) << "saving does not open the prescription window";

  // Reopened, it rings and carries the new title, as a window that stayed open would.
  PrescriptionWindow& form2 = window<PrescriptionWindow>();
  EXPECT_EQ(named<QLabel>(form2, "Label2_0")->text(), "青山村卫生室");
  EXPECT_TRUE(form2.bellOn());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SettingsWindowTest, AFailedSaveSaysSoAndKeepsTheWindowWithItsEdits) {
  execMain(R"(CREATE TRIGGER locked BEFORE UPDATE ON "设置" BEGIN SELECT RAISE(ABORT, 'locked'); END)");
  SettingsWindow& form = openFromMenu();
  form.Text2->setText("孙医生");
  form.Check2->setChecked(true);
  click(form, "Command1");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_TRUE(dialogs.messages[0].text.startsWith("设置未能保存")) << dialogs.messages[0].text.toStdString();
  ASSERT_EQ(loaded<SettingsWindow>(), &form);
  EXPECT_TRUE(form.isShown());
  EXPECT_EQ(form.Text2->text(), "孙医生");
  EXPECT_EQ(read().physician, "孙医生");
  EXPECT_EQ(storedSetting("医师"), "赵立新");
  EXPECT_FALSE(markerExists()) << "nothing of a failed save takes effect";
}

TEST_F(SettingsWindowTest, PasswordChange) {
  struct Case {
    const char* oldTyped;
    const char* newTyped;
    const char* message;
    bool windowStays;
    const char* stored;
  } cases[] = {
      {"691", "   ", "请输入新密码！", true, "691\n"},
      {"692", "abc", "原密码不正确，无法修改密码！", true, "691\n"},
      {" 691 ", " new pw ", "修改密码成功，请牢记新密码！", false, "new pw\n"},
      {"NEW PW", "x", "原密码不正确，无法修改密码！", true, "new pw\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    dialogs.messages.clear();
    SettingsWindow& form = openFromMenu();
    form.Text3->setText("外科");  // an edit the password change does not save
    form.Text8->setText(QString::fromUtf8(c.oldTyped));
    form.Text12->setText(QString::fromUtf8(c.newTyped));
    click(form, "Command3");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(dialogs.messages[0].title, "提示");
    EXPECT_EQ(storedSetting("密码"), QString::fromUtf8(c.stored));
    EXPECT_EQ(storedSetting("科别"), "内儿科");
    if (c.windowStays) {
      ASSERT_EQ(loaded<SettingsWindow>(), &form);
      EXPECT_TRUE(form.isShown());
      EXPECT_EQ(form.Text8->text(), QString::fromUtf8(c.oldTyped)) << "what was typed stays";
    } else {
      EXPECT_EQ(loaded<SettingsWindow>(), nullptr);
    }
  }
  EXPECT_EQ(state.loginPassword, "691") << "the login asks for the new one from the next start";
}

TEST_F(SettingsWindowTest, APasswordThatCannotBeWrittenIsNotReportedAsChanged) {
  execMain(R"(CREATE TRIGGER locked BEFORE UPDATE OF "密码" ON "设置" BEGIN SELECT RAISE(ABORT, 'locked'); END)");
  SettingsWindow& form = openFromMenu();
  form.Text8->setText("691");
  form.Text12->setText("abc");
  click(form, "Command3");
  ASSERT_EQ(dialogs.messages.size(), 1);
  // The store's reason is said, not only that the write failed.
  const QString said = dialogs.messages[0].text;
  EXPECT_TRUE(said.startsWith("密码未能写入数据库：数据不符合数据表的规则")) << said.toStdString();
  EXPECT_TRUE(said.endsWith("。原密码仍然有效，请稍后再试！")) << said.toStdString();
  EXPECT_EQ(storedSetting("密码"), "691\n");
  EXPECT_TRUE(form.isShown());
  EXPECT_EQ(form.Text12->text(), "abc");
}

TEST_F(SettingsWindowTest, WithoutASettingsRowTheBoxesHoldTheShippedValues) {
  execMain(R"(DELETE FROM "设置")");
  SettingsWindow& form = openFromMenu();
  EXPECT_EQ(form.Text1->text(), "");
  EXPECT_EQ(form.Text4->text(), "10");
  EXPECT_EQ(form.Text5->text(), "20");
  EXPECT_EQ(form.Combo1->currentText(), "宋体");
  EXPECT_EQ(form.Combo3->currentText(), "12");
  EXPECT_TRUE(form.Option1->isChecked());
  // 确定 stays off: a click saves nothing, and the load has said why.
  auto* save = named<QPushButton>(form, "Command1");
  EXPECT_FALSE(save->isEnabled());
  QTest::mouseClick(save, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 1) << "a save with nowhere to go is reported";
  EXPECT_TRUE(form.isShown());
}

}  // namespace
