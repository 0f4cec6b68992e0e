// The prescription window's stored side on a small catalogue: a typed prescription saved
// and loaded back from the history list, pricing and dispensing moving the stock, and the
// delete from the list's pop-up.
#include "PrescriptionWindowFixture.h"

#include "prescription/PrescriptionWindow.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionSave.h"
#include "store/Database.h"

#include <QDate>
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

  QListWidget& history() { return *named<QListWidget>(form2(), "List2"); }
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
  ASSERT_EQ(history().count(), 1);
  EXPECT_EQ(history().item(0)->text(), "张三[男,35岁," + QDate::currentDate().toString("yyyy-MM-dd") + "]");
  // The suggestion lists close when a prescription is loaded.
  const char* lists[] = {"List3", "List4", "List5", "List8"};
  for (const char* name : lists) named<QListWidget>(f, name)->show();
  history().setCurrentRow(0);
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
  EXPECT_EQ(history().count(), 0) << "the key runs no query";
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
    EXPECT_EQ(history().count(), step.listed);
  }
}

// The pop-up opens 60 twips from the pointer but never below the list, only over a list
// with items; a left click in the list or on the window's face closes it.
TEST_F(PrescriptionWindowRecordsTest, TheHistoryPopUpOpensByThePointerWithinTheListAndALeftClickClosesIt) {
  PrescriptionWindow& f = form2();
  QWidget* popup = named<QWidget>(f, "Picture6");
  QListWidget& list = history();
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  EXPECT_FALSE(popup->isVisible()) << "nothing to delete in an empty list";

  typePrescription();
  testing_support::clickOn(f, "Command21");
  testing_support::clickOn(f, "Command2");
  ASSERT_EQ(list.count(), 1);
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

TEST_F(PrescriptionWindowRecordsTest, PricingAndDispensingTakeTheStockOnceAndUndoGivesItBack) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  EXPECT_EQ(named<QLabel>(f, "Lb2_0")->text(), "阿莫西林胶囊");
  EXPECT_EQ(label("Label16"), "12.50");
  EXPECT_EQ(history().count(), 1) << "pricing saves and lists today's prescriptions";

  testing_support::clickOn(f, "Command14");
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join('|').toStdString();
  EXPECT_EQ(label("Label5"), prescription::kDispensedMark);
  EXPECT_EQ(named<QLabel>(f, "Lb7_0")->text(), "38");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38");
  testing_support::clickOn(f, "Command14");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38") << "a second 发药 takes nothing";
  EXPECT_TRUE(history().item(0)->text().endsWith(prescription::kDispensedMark));

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
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "0");
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "40");
  EXPECT_EQ(history().count(), 0);
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

  // Dispensing the row takes nothing and gives nothing.
  QTest::mouseClick(named<QPushButton>(f, "Command14"), Qt::LeftButton);
  EXPECT_EQ(label("Label5"), prescription::kDispensedMark);
  EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "40");
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
  ASSERT_EQ(history().count(), 1);

  dialogs.answers.enqueue(platform::Dialogs::Answer::Ok);
  // Below the item: the pop-up acts on the prescription the window holds.
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, history().viewport()->height() - 10});
  ASSERT_EQ(label("Label4"), number);
  testing_support::clickOn(f, "Label9_0");
  EXPECT_EQ(dialogs.messages.last().text, prescription::kDeleteQuestion);
  EXPECT_EQ(stored(QStringLiteral(R"(SELECT "0" FROM "档案" WHERE "序号" = '%1')").arg(number)), "李四");
  EXPECT_EQ(history().count(), 1) << "the other program's record keeps its item";
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
  state.NotifyFilePath = folder.sub("missing/Kqtz.ini");  // the session reads the state it was given
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
  EXPECT_EQ(history().count(), 1);
  EXPECT_EQ(label("Label5"), prescription::kDispensedMark) << "the window keeps the prescription";

  dialogs.answers.enqueue(platform::Dialogs::Answer::Ok);
  dialogs.answers.enqueue(platform::Dialogs::Answer::Yes);
  testing_support::clickInside(f, "List2", Qt::RightButton, {10, 10});
  testing_support::clickOn(f, "Label9_0");
  EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "0");
  EXPECT_EQ(history().count(), 0);
  EXPECT_EQ(label("Label5"), "");
}

TEST_F(PrescriptionWindowRecordsTest, UndoDispenseSaveOrPricingOfARecordDeletedOnAnotherWorkstationSaysSoAndWritesNothing) {
  PrescriptionWindow& f = form2();
  typePrescription();
  testing_support::clickOn(f, "Command4");
  QTest::mouseClick(named<QPushButton>(f, "Command14"), Qt::LeftButton);
  ASSERT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38");
  ASSERT_EQ(history().count(), 1);
  execMain(R"(DELETE FROM "档案")");  // deleted on another workstation meanwhile

  for (const char* button : {"Command9", "Command14", "Command21", "Command4"}) {
    dialogs.messages.clear();
    QTest::mouseClick(named<QPushButton>(f, button), Qt::LeftButton);
    ASSERT_EQ(dialogs.messages.size(), 1) << button;
    EXPECT_EQ(dialogs.messages.last().text, prescription::kRecordGoneMessage) << button;
    EXPECT_EQ(stored(R"(SELECT COUNT(*) FROM "档案")"), "0") << button << ": not brought back";
    EXPECT_EQ(stored(R"(SELECT "斗位" FROM "商品")"), "38") << button;
    EXPECT_EQ(history().count(), 0) << "the list shows what is stored now";
  }
}

}  // namespace
