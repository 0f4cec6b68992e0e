// The templates window offscreen: opened on its kinds, an entry saved and opened again.
#include "clinical/TemplatesWindow.h"

#include "shell/ShellFixture.h"
#include "support/FileFaults.h"
#include "support/TextRendering.h"
#include "ui/Twips.h"

#include <QRegularExpression>

#include <QTest>

namespace {

using clinical::TemplatesWindow;
using testing_support::ShellFixture;

class TemplatesWindowTest : public ShellFixture {
 protected:
  void SetUp() override {
    start();
    execMain(QStringLiteral(R"(DELETE FROM "个人模板")"));
  }
  TemplatesWindow& form() { return window<TemplatesWindow>(); }
  QLineEdit* box(const char* name) { return named<QLineEdit>(form(), QString::fromLatin1(name)); }
  QPlainTextEdit* content() { return named<QPlainTextEdit>(form(), QStringLiteral("Text2")); }
  QListWidget* list() { return named<QListWidget>(form(), QStringLiteral("List1")); }
  void click(const char* name) { testing_support::click(form(), QString::fromLatin1(name)); }
};

TEST_F(TemplatesWindowTest, OpenedTemplateShowsItsStoredInitials) {
  box("Text1")->setText(QStringLiteral("感冒方"));
  EXPECT_EQ(box("Text3")->text(), QStringLiteral("gmf"));
  EXPECT_EQ(box("Text4")->text(), QStringLiteral("001"));
  box("Text3")->setText(QStringLiteral("gm"));
  content()->setPlainText(QStringLiteral("阿莫西林胶囊\n\n\n"));
  click("Command5");
  ASSERT_EQ(list()->count(), 1);
  click("Command1");
  EXPECT_TRUE(box("Text1")->text().isEmpty());
  EXPECT_EQ(box("Text4")->text(), QStringLiteral("002"));

  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(0)).center());
  EXPECT_EQ(box("Text1")->text(), QStringLiteral("感冒方"));
  EXPECT_EQ(box("Text3")->text(), QStringLiteral("gm"));
  EXPECT_EQ(content()->toPlainText(), QStringLiteral("阿莫西林胶囊"));
  // Saving the opened entry again updates its row.
  click("Command5");
  EXPECT_EQ(list()->count(), 1);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TemplatesWindowTest, KindsAndTheRefusedEmptyName) {
  TemplatesWindow& f = form();
  f.takePrescription(true, QStringLiteral("当归10克、川芎6克"));
  EXPECT_TRUE(named<QRadioButton>(f, QStringLiteral("Option1_0"))->isChecked());
  click("Command5");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages.last().text, clinical::kNameMissingMessage);
  EXPECT_EQ(list()->count(), 0);
  EXPECT_EQ(content()->toPlainText(), QStringLiteral("当归10g      川芎6g       "));

  f.chooseCategory(clinical::kPhraseOption);
  EXPECT_EQ(named<QLabel>(f, QStringLiteral("Label4"))->text(), QStringLiteral("病历常用语"));
  EXPECT_TRUE(content()->toPlainText().isEmpty());
}

TEST_F(TemplatesWindowTest, AFileThatIsFullOrLockedIsToldInChineseAndTheEntryStays) {
  struct Case {
    const char* name;
    std::function<std::shared_ptr<void>()> fault;
    QString reason;
  } cases[] = {
      {"locked by another workstation",
       [&] { return std::make_shared<testing_support::ExclusiveLock>(state.mainDbPath); },
       QStringLiteral("文件正被其他程序或工作站占用")},
      {"disk full",
       [&] { return std::make_shared<testing_support::FullDisk>(); },
       QStringLiteral("磁盘已满")},
  };
  testing_support::ShortBusyTimeout shortWait;
  const QString body = QStringLiteral("阿莫西林胶囊 0.5g");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dialogs.messages.clear();
    QTest::keyClicks(box("Text1"), "abc");
    content()->setPlainText(body);
    {
      const std::shared_ptr<void> fault = c.fault();
      click("Command5");
    }
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.last().text, QStringLiteral("数据库操作失败：") + c.reason);
    EXPECT_FALSE(dialogs.messages.last().text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))));
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(content()->toPlainText(), body) << "what was typed stays";
    box("Text1")->clear();
  }
}

// The program's window font from before the first window on.
class TemplatesWindowRendering : public testing_support::ProgramFont, public TemplatesWindowTest {};

// At the window font the entries and the lines of the content box stand apart.
TEST_F(TemplatesWindowRendering, ListRowsAndContentLinesStandApart) {
  TemplatesWindow& f = form();
  f.window()->show();
  for (const char* name : {"国图", "图国", "国国"}) {
    click("Command1");
    box("Text1")->setText(QString::fromUtf8(name));
    content()->setPlainText(QStringLiteral("国"));
    click("Command5");
  }
  ASSERT_EQ(list()->count(), 3);
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join(u'|').toStdString();
  list()->clearSelection();
  const int pitch = QFontMetrics(list()->font()).lineSpacing() + 2;
  for (int r = 0; r < 3; ++r) EXPECT_EQ(list()->visualItemRect(list()->item(r)).height(), pitch) << r;
  const QRect rows = list()->visualItemRect(list()->item(0)).united(list()->visualItemRect(list()->item(2)));
  const auto listInk = testing_support::inkRows(list()->viewport(), rows);
  ASSERT_EQ(listInk.size(), 3);
  EXPECT_GE(testing_support::smallestGap(listInk), 2);

  content()->setPlainText(QStringLiteral("国国国\n国国国\n国国国"));
  const auto ink = testing_support::inkRows(content()->viewport(), QRect(0, 0, 60, content()->viewport()->height()));
  ASSERT_EQ(ink.size(), 3);
  EXPECT_GE(testing_support::smallestGap(ink), 2);
  EXPECT_EQ(content()->geometry(), ui::pxRect(2940, 600, 6540, 5220));

  // A click on an entry opens it.
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(1)).center());
  EXPECT_EQ(box("Text1")->text(), list()->item(1)->text());
}

}  // namespace
