// The prescription window's stored side on a small catalogue: a typed prescription saved
// and loaded back from the history list, pricing and dispensing moving the stock, and the
// delete from the list's pop-up.
#include "PrescriptionWindowFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionSave.h"
#include "store/Database.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

using prescription::PrescriptionWindow;
using prescription::PrescriptionState;
namespace header = prescription::header;

class PrescriptionWindowRecordsTest : public testing_support::PrescriptionWindowFixture {
 protected:
  void SetUp() override {
    startWithOneDrug();
    login();
  }

  QListView& history() { return historyList(); }
};

TEST_F(PrescriptionWindowRecordsTest, ASavedPrescriptionComesBackFromTheHistoryListAsItWas) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command21");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  const PrescriptionState saved = f.state();
  EXPECT_EQ(saved.header[header::kAge], "35岁") << "the window shows the age as stored";

  f.showState(PrescriptionState{});
  testing_support::clickOn(f, "Command2");
  ASSERT_EQ(historyRows(), QStringList{"张三[男,35岁," + QDate::currentDate().toString("yyyy-MM-dd") + "]"});
  // The suggestion lists close when a prescription is loaded.
  const char* lists[] = {"List3", "List4", "List5", "List8"};
  for (const char* name : lists) named<QListWidget>(f, name)->show();
  clickHistoryRow(0);
  for (const char* name : lists) EXPECT_TRUE(named<QListWidget>(f, name)->isHidden()) << name;

  const PrescriptionState loaded = f.state();
  EXPECT_EQ(loaded.header, saved.header);
  EXPECT_EQ(loaded.text, saved.text);
  EXPECT_EQ(loaded.infusionCard, saved.infusionCard);
  EXPECT_EQ(loaded.symptoms, saved.symptoms);
  EXPECT_EQ(loaded.number, saved.number);
  EXPECT_EQ(loaded.dispenseMark, "");
  EXPECT_EQ(loaded.grid, saved.grid);
  EXPECT_EQ(label("Label2_4"), "普通");
}

TEST_F(PrescriptionWindowRecordsTest, EnterInTheHistorySearchMovesOnToTodaysPatientsAndListsNothing) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command21");
  auto* search = named<QLineEdit>(f, "Text2");
  QTest::mouseClick(search, Qt::LeftButton);
  QTest::keyClicks(search, "zs");
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_EQ(f.focusWidget(), named<QPushButton>(f, "Command2"));
  EXPECT_EQ(historyRows().size(), 0) << "the key runs no query";
}

// Each button and box of the history panel reaches its own query: the list shows what the
// boxes then say, and the boxes what the button made of them.
TEST_F(PrescriptionWindowRecordsTest, TheHistoryButtonsAndTypedBoxesListTheirOwnDays) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command21");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  const QDate today = QDate::currentDate();
  const QString day = today.toString("yyyy-MM-dd");
  const QString yesterday = today.addDays(-1).toString("yyyy-MM-dd");
  const QString tenYearsBack = today.addYears(-10).toString("yyyy-MM-dd");
  const auto type = [&](const char* box, const QString& text) {
    auto* edit = named<QLineEdit>(f, box);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  };

  struct Step {
    const char* what;
    std::function<void()> act;
    QString search, from, to;
    int listed;
  };
  const Step steps[] = {
      {"a typed range, then 查询",
       [&] {
         type("Text3", "2000-01-01");
         type("Text4", "2000-01-02");
         testing_support::clickOn(f, "Command7");
       },
       "", "2000-01-01", "2000-01-02", 0},
      {"今日患者", [&] { testing_support::clickOn(f, "Command2"); }, "", day, day, 1},
      {"<<", [&] { testing_support::clickOn(f, "Command5"); }, "", yesterday, yesterday, 0},
      {">>", [&] { testing_support::clickOn(f, "Command6"); }, "", day, day, 1},
      {"a typed name, then 查询",
       [&] {
         type("Text2", "ls");
         testing_support::clickOn(f, "Command7");
       },
       "ls", tenYearsBack, day, 0},
      {"历史处方 of the name on the sheet", [&] { testing_support::clickOn(f, "Command11"); }, "张三", tenYearsBack,
       day, 1},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_EQ(named<QLineEdit>(f, "Text2")->text(), step.search);
    EXPECT_EQ(named<QLineEdit>(f, "Text3")->text(), step.from);
    EXPECT_EQ(named<QLineEdit>(f, "Text4")->text(), step.to);
    EXPECT_EQ(historyRows().size(), step.listed);
  }
}

// The pop-up opens 60 twips from the pointer but never below the list, only over a list
// with items; a left click in the list or on the window's face closes it.
TEST_F(PrescriptionWindowRecordsTest, TheHistoryPopUpOpensByThePointerWithinTheListAndALeftClickClosesIt) {
  PrescriptionWindow& f = form2();
  QWidget* popup = named<QWidget>(f, "Picture6");
  QListView& list = history();
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  EXPECT_FALSE(popup->isVisible()) << "nothing to delete in an empty list";

  typePrescription();
  testing_support::clickOn(f, "Command21");
  testing_support::clickOn(f, "Command2");
  ASSERT_EQ(historyRows().size(), 1);
  const int bottom = list.viewport()->height() - 2;
  struct Case {
    const char* where;
    QPoint at;
    QPoint expected;
  };
  const Case cases[] = {
      {"near the top", {10, 10}, {list.x() + 14, list.y() + 14}},
      {"near the bottom", {10, bottom}, {list.x() + 14, list.y() + list.height() - popup->height()}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    testing_support::clickInside(f, "List2", Qt::RightButton, c.at);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->pos(), c.expected);
  }

  QTest::mousePress(list.viewport(), Qt::LeftButton, {}, {10, 10});
  EXPECT_FALSE(popup->isVisible()) << "a left press in the list";
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, {10, 10});

  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  ASSERT_TRUE(popup->isVisible());
  const QPoint face(1, 1);
  ASSERT_EQ(f.childAt(face), nullptr);
  QTest::mouseClick(&f, Qt::LeftButton, {}, face);
  EXPECT_FALSE(popup->isVisible()) << "a click on the window's face";
}

// A record loads only when the user moves the list to it: a right press, the pop-up's
// answers, the list taking the focus by Tab or by the window's activation, and a refill
// leave the prescription being typed as it is.
TEST_F(PrescriptionWindowRecordsTest, OnlyTheUsersOwnMoveInTheHistoryListLoadsARecord) {
  PrescriptionWindow& f = form2();
  // Active, as at the desk: only then does the list make a row current as it takes the focus.
  f.window()->show();
  QApplication::setActiveWindow(f.window());
  typePrescription();
  testing_support::clickOn(f, "Command21");
  testing_support::clickOn(f, "Label18_0");  // 新建
  named<QLineEdit>(f, "Text5_0")->setText("李四");
  named<QPlainTextEdit>(f, "R1")->setPlainText("2. 复方甘草片×1");
  testing_support::clickOn(f, "Command21");
  testing_support::clickOn(f, "Command2");
  ASSERT_EQ(historyRows().size(), 2);
  const QString first = stored(R"(SELECT "T1" FROM "档案" WHERE "0" = '李四')");
  const QString second = stored(R"(SELECT "T1" FROM "档案" WHERE "0" = '张三')");

  // A new prescription, typed and not saved.
  f.showState(PrescriptionState{});
  auto* text = named<QPlainTextEdit>(f, "R1");
  QTest::mouseClick(text->viewport(), Qt::LeftButton);
  QTest::keyClicks(text, "typed");
  const auto typedStays = [&](const char* what) {
    EXPECT_EQ(f.state().text, "typed") << what;
    EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "2") << what;
  };

  QWidget* popup = named<QWidget>(f, "Picture6");
  clickHistoryRow(1, Qt::RightButton);
  ASSERT_TRUE(popup->isVisible());
  typedStays("a right press");
  EXPECT_FALSE(history().currentIndex().isValid()) << "a right press leaves the selection alone";
  testing_support::clickOn(f, "Label9_1");
  typedStays("取消(E)");
  EXPECT_FALSE(history().currentIndex().isValid()) << "the list has the focus back and no row stands for the prescription";
  clickHistoryRow(0, Qt::RightButton);
  testing_support::clickOn(f, "Label9_0");  // the question answered with Cancel
  EXPECT_EQ(dialogs.messages.last().text, prescription::kDeleteQuestion);
  typedStays("删除(D), then Cancel");
  clickHistoryRow(0, Qt::MiddleButton);
  typedStays("a middle click");

  // The control before the list in the Tab order hands the focus on with Tab.
  QWidget* before = history().previousInFocusChain();
  while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisibleTo(&f)) before = before->previousInFocusChain();
  before->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(before, Qt::Key_Tab);
  ASSERT_EQ(f.focusWidget(), &history());
  EXPECT_EQ(f.state().text, "typed") << "the list took the focus by Tab";

  // A refill while the list has the focus (the bell's "今日患者"), then the window
  // activated again after another one.
  f.model().listToday();
  ASSERT_FALSE(history().currentIndex().isValid());
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  QApplication::setActiveWindow(f.window());
  ASSERT_EQ(QApplication::focusWidget(), &history());
  typedStays("the window activated again");

  // The user's own moves: a left click, then the arrow keys.
  clickHistoryRow(0);
  EXPECT_EQ(f.state().text, first);
  QTest::keyClick(&history(), Qt::Key_Down);
  EXPECT_EQ(f.state().text, second);
  QTest::keyClick(&history(), Qt::Key_Home);
  EXPECT_EQ(f.state().text, first);
}

// The pop-up lights the item under the pointer, stands out from the rows by its border,
// and closes when the list it was opened over is filled again.
TEST_F(PrescriptionWindowRecordsTest, TheHistoryPopUpLightsItsItemsAndClosesWithARefill) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command21");
  testing_support::clickOn(f, "Command2");
  auto* popup = named<QFrame>(f, "Picture6");
  EXPECT_GT(popup->frameWidth(), 0);
  clickHistoryRow(0, Qt::RightButton);
  ASSERT_TRUE(popup->isVisible());
  const QColor highlight = QApplication::palette().color(QPalette::Highlight);
  const auto looks = [&](const char* name) {
    const QPalette p = named<QLabel>(f, name)->palette();
    return std::pair(p.color(QPalette::Window), p.color(QPalette::WindowText));
  };
  for (int lit : {1, 0}) {
    QTest::mouseMove(named<QLabel>(f, QStringLiteral("Label9_%1").arg(lit)));
    EXPECT_EQ(looks(lit ? "Label9_1" : "Label9_0"), std::pair(highlight, QColor(Qt::white)));
    EXPECT_EQ(looks(lit ? "Label9_0" : "Label9_1"), std::pair(QColor(Qt::white), QColor(Qt::black)));
  }
  testing_support::clickOn(f, "Command2");
  EXPECT_FALSE(popup->isVisible()) << "the list was filled again";
}

// Typing in the name search edits the box as in any box: the caret stays where the user
// put it, and Ctrl+Z takes the last typing back.
TEST_F(PrescriptionWindowRecordsTest, TheHistoryNameSearchKeepsItsCaretAndUndo) {
  auto* search = named<QLineEdit>(form2(), "Text2");
  QTest::mouseClick(search, Qt::LeftButton);
  QTest::keyClicks(search, "s");
  QTest::keyClick(search, Qt::Key_Home);
  QTest::keyClicks(search, "lz");
  EXPECT_EQ(search->text(), "lzs");
  EXPECT_EQ(search->cursorPosition(), 2);
  QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(search->text(), "s");
}

// The usage drop-down shows the phrase that is saved and printed: a stored phrase that
// the word list no longer holds as an entry of its own, through a loaded record and a
// refreshed word list; the user's choice takes.
TEST_F(PrescriptionWindowRecordsTest, TheHerbalUsageBoxShowsThePhraseThatIsSaved) {
  PrescriptionWindow& f = form2();
  auto* usage = named<QComboBox>(f, "C1");
  const auto shows = [&](const QString& phrase, const char* what) {
    EXPECT_EQ(usage->currentText(), phrase) << what;
    EXPECT_EQ(f.state().usage, phrase) << what;
  };
  testing_support::clickOn(f, "Command1_14");  // 中药: the herbal sheet
  ASSERT_TRUE(usage->isVisible());
  const QStringList phrases = f.herbalUsages();
  ASSERT_EQ(phrases.size(), 2);
  usage->setFocus();
  QTest::keyClick(usage, Qt::Key_Down);
  shows(phrases[1], "chosen by the keys");
  typePatient();
  testing_support::clickOn(f, "Command21");

  // The word list loses the phrase while the prescription holds it.
  f.replaceHerbalUsages({phrases[0]});
  shows(phrases[1], "after the word list changed");
  EXPECT_EQ(f.herbalUsages(), QStringList{phrases[0]});
  QTest::keyClick(usage, Qt::Key_Up);
  shows(phrases[0], "the list's phrase chosen");

  // The saved prescription comes back with its own phrase.
  testing_support::clickOn(f, "Command2");
  clickHistoryRow(0);
  shows(phrases[1], "loaded");
  EXPECT_EQ(f.herbalUsages(), QStringList{phrases[0]});
  f.replaceHerbalUsages(phrases);
  shows(phrases[1], "the phrase back in the word list");
  EXPECT_EQ(f.herbalUsages(), phrases);

  PrescriptionState blank = f.state();
  blank.usage = "";
  f.showState(blank);
  EXPECT_EQ(usage->currentText(), "") << "an empty stored usage";
}

TEST_F(PrescriptionWindowRecordsTest, PricingAndDispensingTakeTheStockOnceAndUndoGivesItBack) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  EXPECT_EQ(named<QLabel>(f, "Lb2_0")->text(), "阿莫西林胶囊");
  EXPECT_EQ(label("Label16"), "12.50");
  EXPECT_EQ(historyRows().size(), 1) << "pricing saves and lists today's prescriptions";

  testing_support::clickOn(f, "Command14");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  EXPECT_EQ(label("Label5"), prescription::kDispensedMark);
  EXPECT_EQ(named<QLabel>(f, "Lb7_0")->text(), "38");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38");
  testing_support::clickOn(f, "Command14");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38") << "a second 发药 takes nothing";
  EXPECT_TRUE(historyRows().value(0).endsWith(prescription::kDispensedMark));

  testing_support::clickOn(f, "Command9");
  EXPECT_EQ(label("Label5"), "");
  EXPECT_EQ(named<QLabel>(f, "Lb7_0")->text(), "40");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "40");
}

TEST_F(PrescriptionWindowRecordsTest, DeleteAsksThenRemovesTheRecordGivesStockBackAndStartsAFreshPrescription) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  testing_support::clickOn(f, "Command14");
  const QString serial = label("Label4");
  ASSERT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38");

  QWidget* popup = named<QWidget>(f, "Picture6");
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  EXPECT_TRUE(popup->isVisible());
  const char* lists[] = {"List3", "List4", "List5", "List8"};
  for (const char* name : lists) named<QListWidget>(f, name)->show();
  testing_support::clickOn(f, "Label9_0");  // the question answered with Cancel
  EXPECT_FALSE(popup->isVisible());
  for (const char* name : lists) EXPECT_TRUE(named<QListWidget>(f, name)->isHidden()) << name;
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "1");

  dialogs.answers.enqueue(platform::Dialogs::Answer::Ok);
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  testing_support::clickOn(f, "Label9_0");
  EXPECT_EQ(dialogs.messages.last().text, prescription::kDeleteQuestion);
  EXPECT_EQ(dialogs.messages.last().icon, platform::Dialogs::Icon::Warning);
  EXPECT_EQ(dialogs.messages.last().buttons, platform::Dialogs::Buttons::OkCancel);
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "0");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "40");
  EXPECT_EQ(historyRows().size(), 0);
  EXPECT_NE(label("Label4"), serial);
  EXPECT_EQ(label("Label5"), "");
  EXPECT_EQ(named<QLineEdit>(f, "Text5_0")->text(), "");
  EXPECT_EQ(named<QLabel>(f, "Lb2_0")->text(), "");
}

TEST_F(PrescriptionWindowRecordsTest, ASignTypedInTheGridOrTheFeeFieldsReadsAsNoNumber) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  ASSERT_EQ(label("Label16"), "12.50");
  auto* quantity = named<QLineEdit>(f, "Lb3_0");
  quantity->selectAll();
  QTest::keyClicks(quantity, "-2");
  EXPECT_EQ(named<QLineEdit>(f, "Lb6_0")->text(), "");
  EXPECT_EQ(named<QLineEdit>(f, "Text5_9")->text(), "");
  EXPECT_EQ(label("Label16"), "");

  auto* other = named<QLineEdit>(f, "Text5_15");
  QTest::keyClicks(other, "-5");
  EXPECT_EQ(named<QLineEdit>(f, "Text5_16")->text(), "");
  QTest::keyClicks(named<QLineEdit>(f, "Text5_9"), "30");
  EXPECT_EQ(named<QLineEdit>(f, "Text5_16")->text(), "30.00");

  // Dispensing the row takes nothing, gives nothing and sells none.
  QTest::mouseClick(named<QPushButton>(f, "Command14"), Qt::LeftButton);
  EXPECT_EQ(label("Label5"), prescription::kDispensedMark);
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "40");
  store::Database stock(session->state.stockDbPath, store::Database::Mode::ReadOnly);
  SQLite::Statement sold(stock.sql(), R"(SELECT "数量" FROM "销售管理")");
  ASSERT_TRUE(sold.executeStep());
  EXPECT_EQ(store::columnText(sold, 0), "0");
}

TEST_F(PrescriptionWindowRecordsTest, ANumberTakenByAnotherProgramMovesOnAndIsShownBeforeTheSave) {
  PrescriptionWindow& f = form2();
  typePrescription();
  const QString number = label("Label4");
  // Another copy of the program on this machine stored its prescription under the same number.
  execMain(QStringLiteral(R"(INSERT INTO "档案" ("序号", "0", "5") VALUES ('%1', '李四', '2024-03-05'))").arg(number));
  testing_support::clickOn(f, "Command21");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  const QString moved = label("Label4");
  EXPECT_EQ(moved, prescription::nextSerial(number));
  EXPECT_EQ(stored(QStringLiteral(R"(SELECT "0" FROM "档案" WHERE "序号" = '%1')").arg(number)), "李四");
  EXPECT_EQ(stored(QStringLiteral(R"(SELECT "0" FROM "档案" WHERE "序号" = '%1')").arg(moved)), "张三");

  // Its own record from now on: saving and dispensing again keep the number.
  testing_support::clickOn(f, "Command4");
  QTest::mouseClick(named<QPushButton>(f, "Command14"), Qt::LeftButton);
  EXPECT_EQ(label("Label4"), moved);
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "2");
  EXPECT_EQ(stored(QStringLiteral(R"(SELECT "发药" FROM "档案" WHERE "序号" = '%1')").arg(moved)),
            prescription::kDispensedMark);
}

TEST_F(PrescriptionWindowRecordsTest, DeleteOfANumberAnotherProgramStoredDeletesNothingAndStartsAnew) {
  PrescriptionWindow& f = form2();
  typePrescription();
  const QString number = label("Label4");
  // Another copy of the program on this machine stored its prescription under the same number.
  execMain(QStringLiteral(R"(INSERT INTO "档案" ("序号", "0", "5") VALUES ('%1', '李四', '%2'))")
               .arg(number, QDate::currentDate().toString("yyyy-MM-dd")));
  testing_support::clickOn(f, "Command2");  // 今日患者
  ASSERT_EQ(historyRows().size(), 1);

  dialogs.answers.enqueue(platform::Dialogs::Answer::Ok);
  // Over the other program's item: the pop-up acts on the prescription the window holds.
  clickHistoryRow(0, Qt::RightButton);
  ASSERT_EQ(named<QLineEdit>(f, "Text5_0")->text(), "张三");
  testing_support::clickOn(f, "Label9_0");
  EXPECT_EQ(dialogs.messages.last().text, prescription::kDeleteQuestion);
  EXPECT_EQ(stored(QStringLiteral(R"(SELECT "0" FROM "档案" WHERE "序号" = '%1')").arg(number)), "李四");
  EXPECT_EQ(historyRows().size(), 1) << "the other program's record keeps its item";
  EXPECT_NE(label("Label4"), number);
  EXPECT_EQ(named<QLineEdit>(f, "Text5_0")->text(), "");
}

TEST_F(PrescriptionWindowRecordsTest, ANewPrescriptionAfterAMovedNumberNeverTakesOverTheSavedOne) {
  PrescriptionWindow& f = form2();
  typePrescription();
  const QString number = label("Label4");
  execMain(QStringLiteral(R"(INSERT INTO "档案" ("序号", "0", "5") VALUES ('%1', '李四', '2024-03-05'))").arg(number));
  testing_support::clickOn(f, "Command21");
  const QString moved = label("Label4");
  ASSERT_NE(moved, number);

  // 新建 at once: the clock may give the very number the save moved to, which this window
  // now holds for 张三's record; the next patient's save must not replace it.
  testing_support::clickOn(f, "Command20");
  named<QLineEdit>(f, "Text5_0")->setText("王五");
  testing_support::clickOn(f, "Command21");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "3");
  EXPECT_EQ(stored(QStringLiteral(R"(SELECT "0" FROM "档案" WHERE "序号" = '%1')").arg(moved)), "张三");
  EXPECT_EQ(stored(QStringLiteral(R"(SELECT "0" FROM "档案" WHERE "序号" = '%1')").arg(label("Label4"))), "王五");
}

TEST_F(PrescriptionWindowRecordsTest, ACounterFileThatCannotBeWrittenIsToldAfterTheSave) {
  state.notifyFilePath = folder.sub("missing/Kqtz.ini");  // the session reads the state it was given
  typePrescription();
  testing_support::clickOn(form2(), "Command21");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages.last().text.startsWith("处方已保存，但")) << dialogs.texts().join('|').toStdString();
  EXPECT_EQ(stored(R"(SELECT "0" FROM "档案")"), "张三");
}

TEST_F(PrescriptionWindowRecordsTest, UndoAfterTheDrugWasRenamedAsksAndChangesNothingOnNo) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  QTest::mouseClick(named<QPushButton>(f, "Command14"), Qt::LeftButton);
  ASSERT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38");
  execMain(R"(UPDATE "商品" SET "名称" = '阿莫西林胶囊(新)')");

  auto* undo = named<QPushButton>(f, "Command9");
  QTest::mouseClick(undo, Qt::LeftButton);  // the question closed: No
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages.last().text.contains("“阿莫西林胶囊”在药物目录中找不到")) << dialogs.texts().join('|').toStdString();
  EXPECT_EQ(label("Label5"), prescription::kDispensedMark);
  EXPECT_EQ(stored(R"(SELECT "发药" FROM "档案")"), prescription::kDispensedMark);

  dialogs.answers.enqueue(platform::Dialogs::Answer::Yes);
  QTest::mouseClick(undo, Qt::LeftButton);
  EXPECT_EQ(label("Label5"), "");
  EXPECT_EQ(stored(R"(SELECT "发药" FROM "档案")"), "");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38") << "the renamed row keeps its stock";
}

TEST_F(PrescriptionWindowRecordsTest, DeleteAfterTheDrugWasRemovedAsksAndDeletesNothingOnNo) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  QTest::mouseClick(named<QPushButton>(f, "Command14"), Qt::LeftButton);
  execMain(R"(DELETE FROM "商品")");

  dialogs.answers.enqueue(platform::Dialogs::Answer::Ok);  // 确实要永久删除该档案吗？
  dialogs.answers.enqueue(platform::Dialogs::Answer::No);
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  testing_support::clickOn(f, "Label9_0");
  ASSERT_EQ(dialogs.messages.size(), 2);
  EXPECT_TRUE(dialogs.messages.last().text.contains("“阿莫西林胶囊”在药物目录中找不到"));
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "1");
  EXPECT_EQ(historyRows().size(), 1);
  EXPECT_EQ(label("Label5"), prescription::kDispensedMark) << "the window keeps the prescription";

  dialogs.answers.enqueue(platform::Dialogs::Answer::Ok);
  dialogs.answers.enqueue(platform::Dialogs::Answer::Yes);
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  testing_support::clickOn(f, "Label9_0");
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "0");
  EXPECT_EQ(historyRows().size(), 0);
  EXPECT_EQ(label("Label5"), "");
}

TEST_F(PrescriptionWindowRecordsTest, UndoDispenseSaveOrPricingOfARecordDeletedOnAnotherWorkstationSaysSoAndWritesNothing) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  QTest::mouseClick(named<QPushButton>(f, "Command14"), Qt::LeftButton);
  ASSERT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38");
  ASSERT_EQ(historyRows().size(), 1);
  execMain(R"(DELETE FROM "档案")");  // deleted on another workstation meanwhile

  for (const char* button : {"Command9", "Command14", "Command21", "Command4"}) {
    dialogs.messages.clear();
    QTest::mouseClick(named<QPushButton>(f, button), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1) << button;
    EXPECT_EQ(dialogs.messages.last().text, prescription::kRecordGoneMessage) << button;
    EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "0") << button << ": not brought back";
    EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38") << button;
    EXPECT_EQ(historyRows().size(), 0) << "the list shows what is stored now";
  }
}

}  // namespace
