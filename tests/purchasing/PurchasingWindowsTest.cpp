// The receipt, ledger and statistics windows driven as the desk uses them: typing, a
// pick, Enter, the save, a delete and the exports read back.
#include "shell/ShellFixture.h"

#include "catalogue/CatalogueWindow.h"
#include "purchasing/PurchaseStatisticsWindow.h"
#include "purchasing/PurchaseLedgerWindow.h"
#include "purchasing/GoodsReceiptWindow.h"
#include "shell/MainWindow.h"
#include "store/Database.h"
#include "support/FileFaults.h"
#include "support/ShownWhole.h"
#include "support/TextRendering.h"
#include "support/TypedKeys.h"
#include "support/XlrdReadBack.h"
#include "text/Dates.h"

#include <QApplication>
#include <QDate>
#include <QJsonArray>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOption>
#include <QTest>

namespace {

using purchasing::PurchaseStatisticsWindow;
using purchasing::PurchaseLedgerWindow;
using purchasing::GoodsReceiptWindow;
using testing_support::click;

class PurchasingWindowsTest : public testing_support::ShellFixture {
 protected:
  PurchasingWindowsTest() {
    start();
    login();
    execMain(R"(DELETE FROM "商品")");
    execMain(R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类", "单位", "单价", "备用1", "斗位")
                VALUES ('1', '阿莫西林{24粒}', '阿莫西林{24粒}-amxl-$', '西成药·抗生素', '盒', '3.000', '1.200', '5'))");
    store::Database(state.stockDbPath).exec(R"(DELETE FROM "进货管理"; DELETE FROM "进货模板")");
  }
  QString stock() {
    store::Database d(state.mainDbPath);
    SQLite::Statement q(d.sql(), R"(SELECT "斗位" FROM "商品" WHERE "ID号" = '1')");
    q.executeStep();
    return store::columnText(q, 0);
  }
  GoodsReceiptWindow& add() {
    PurchaseLedgerWindow& ledger = window<PurchaseLedgerWindow>();
    click(ledger, "Command2");
    return *loaded<GoodsReceiptWindow>();
  }
};

TEST_F(PurchasingWindowsTest, PickQuantityAndSaveBookTheReceiptAndRefreshTheLedger) {
  GoodsReceiptWindow& form = add();
  EXPECT_EQ(form.Label4->text(), "西成药");
  EXPECT_EQ(form.Label2->text().size(), 14);
  QTest::keyClicks(form.Text1[purchasing::kBoxName], "amxl");
  ASSERT_TRUE(form.List1->isVisible());
  ASSERT_EQ(form.List1->model()->rowCount(), 1);
  EXPECT_EQ(form.List1->model()->index(0, 0).data().toString(), "阿莫西林[24粒]");
  QTest::keyClick(form.Text1[purchasing::kBoxName], Qt::Key_Down);
  QTest::keyClick(form.List1, Qt::Key_Return);
  EXPECT_EQ(form.Text1[purchasing::kBoxName]->text(), "阿莫西林[24粒]");
  EXPECT_EQ(form.Text1[purchasing::kBoxStock]->text(), "5");
  EXPECT_FALSE(form.List1->isVisible());

  form.Text1[purchasing::kBoxCost]->setText("1.5");
  form.Text1[purchasing::kBoxQuantity]->setText("10");
  EXPECT_EQ(form.Text1[purchasing::kBoxAmount]->text(), "15.000");
  EXPECT_EQ(form.Text1[purchasing::kBoxStock]->text(), "15");

  // Another workstation takes 2 off between the pick and the save.
  execMain(R"(UPDATE "商品" SET "斗位" = '3')");
  click(form, "Command1");
  flushDeletes();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join("|").toStdString();
  EXPECT_EQ(stock(), "13");
  EXPECT_EQ(loaded<GoodsReceiptWindow>(), nullptr);
  PurchaseLedgerWindow& ledger = *loaded<PurchaseLedgerWindow>();
  EXPECT_EQ(ledger.Text3->text(), text::isoDate(text::oneMonthBack(QDate::currentDate())));
  EXPECT_EQ(ledger.Label1->text(), "记录数：1");
  ASSERT_EQ(ledger.receipts().size(), 1u);
  EXPECT_EQ(ledger.receipts()[0].fields[store::kLedgerAmount], "15");

  // Delete it again: the stock goes back by its own quantity.
  QTest::mouseClick(ledger.grid->cell(0, 0), Qt::LeftButton);
  // The whole row turns cyan: no cell paints a stripe of its own over the band.
  EXPECT_EQ(ledger.grid->band(0)->palette().color(QPalette::Window), QColor(0, 255, 255));
  for (int column = 0; column < ledger.grid->state().config().columnCount(); ++column)
    EXPECT_FALSE(ledger.grid->cell(0, column)->autoFillBackground()) << column;
  click(ledger, "Command1");
  EXPECT_EQ(stock(), "3");
  EXPECT_EQ(ledger.Label1->text(), "记录数：0");
}

// Another workstation changes the catalogue while receipts are typed: the drop-down lists
// what the file holds at each keystroke, a pick fills what it holds at the pick, and a
// drug removed since the list was made is not picked; the list is made again instead.
TEST_F(PurchasingWindowsTest, TheDropDownAndThePickFollowTheCatalogueFromReceiptToReceipt) {
  const auto listed = [](GoodsReceiptWindow& form) {
    QStringList names;
    for (int row = 0; row < form.List1->model()->rowCount(); ++row)
      names << form.List1->model()->index(row, 0).data().toString();
    return names;
  };
  GoodsReceiptWindow* form = &add();
  QLineEdit* name = form->Text1[purchasing::kBoxName];
  QTest::keyClicks(name, "amxl");
  ASSERT_EQ(listed(*form), QStringList{"阿莫西林[24粒]"});
  execMain(R"(UPDATE "商品" SET "斗位" = '8', "备用1" = '1.300')");  // a receipt booked elsewhere
  QTest::keyClick(name, Qt::Key_Down);
  QTest::keyClick(form->List1, Qt::Key_Return);
  EXPECT_EQ(form->Text1[purchasing::kBoxStock]->text(), "8");
  EXPECT_EQ(form->Text1[purchasing::kBoxCost]->text(), "1.300");

  // The next receipt: renamed and added since the last one.
  execMain(R"(UPDATE "商品" SET "名称" = '阿莫西林胶囊{24粒}', "查询" = '阿莫西林胶囊{24粒}-amxljn-$';
              INSERT INTO "商品" ("ID号", "名称", "查询", "分类", "单位", "斗位")
              VALUES ('2', '阿莫西林{0.5g}', '阿莫西林{0.5g}-amxl-$', '西成药·抗生素', '盒', '1'))");
  form = &add();
  name = form->Text1[purchasing::kBoxName];
  QTest::keyClicks(name, "amxl");
  ASSERT_EQ(listed(*form), (QStringList{"阿莫西林[0.5g]", "阿莫西林胶囊[24粒]"}));
  execMain(R"(DELETE FROM "商品" WHERE "ID号" = '2')");
  QTest::keyClick(name, Qt::Key_Down);
  QTest::keyClick(form->List1, Qt::Key_Return);
  EXPECT_EQ(name->text(), "amxl");
  EXPECT_EQ(listed(*form), QStringList{"阿莫西林胶囊[24粒]"});
  EXPECT_TRUE(form->List1->isVisible());
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join("|").toStdString();
}

// A range of more receipts than the ledger lists is refused with its message, and nothing
// stays listed; narrowed by a name, the same range is listed.
TEST_F(PurchasingWindowsTest, TheLedgerRefusesMoreThanItListsAndListsANarrowerFilter) {
  store::Database(state.stockDbPath)
      .exec(QStringLiteral(R"(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)
                              INSERT INTO "进货管理" ("日期", "品名", "分类", "序号", "数量")
                              SELECT '%2', CASE WHEN i <= 3 THEN '黄芪' ELSE '甘草' END, '西成药', printf('%d', i), '1'
                              FROM n)")
                .arg(purchasing::kLedgerCap + 1)
                .arg(text::isoDate(QDate::currentDate())));
  triggerMenu("进货明细管理");
  PurchaseLedgerWindow* ledger = loaded<PurchaseLedgerWindow>();
  ASSERT_NE(ledger, nullptr);
  EXPECT_EQ(dialogs.texts(), QStringList{purchasing::kTooManyMessage});
  EXPECT_TRUE(ledger->receipts().empty());
  EXPECT_EQ(ledger->Label1->text(), "记录数：0");

  testing_support::typeKeys(ledger->Text1, "黄芪");
  QTest::mouseClick(ledger->Command3, Qt::LeftButton);
  EXPECT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(ledger->Label1->text(), "记录数：3");
  ASSERT_EQ(ledger->receipts().size(), 3u);
  EXPECT_EQ(ledger->receipts()[0].fields[store::kLedgerKey], "3");
}

TEST_F(PurchasingWindowsTest, EnterWalksTheReceiptBoxesInOrderAndSavesOnTheButton) {
  GoodsReceiptWindow& form = add();
  QApplication::setActiveWindow(form.window());
  QLineEdit* name = form.Text1[purchasing::kBoxName];
  ASSERT_EQ(QApplication::focusWidget(), name);

  // Enter in the name box moves on and does not pick, even with the drop-down showing.
  QTest::keyClicks(name, "amxl");
  ASSERT_TRUE(form.List1->isVisible());
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), form.Text1[purchasing::kBoxUnit]);
  EXPECT_EQ(name->text(), "amxl");

  // The pick puts the caret in 数量; from there Enter runs through every box, the
  // read-only 库存 included, to "保  存".
  name->setFocus();
  QTest::keyClick(name, Qt::Key_Down);
  QTest::keyClick(form.List1, Qt::Key_Return);
  ASSERT_EQ(QApplication::focusWidget(), form.Text1[purchasing::kBoxQuantity]);
  QTest::keyClicks(form.Text1[purchasing::kBoxQuantity], "10");
  QStringList walk;
  for (int i = 0; i < 9; ++i) {
    walk << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  EXPECT_EQ(walk, (QStringList{"Text1_3", "Text1_4", "Text1_5", "Text1_6", "Text1_7", "Text1_8", "Text1_9",
                               "Text1_10", "Text1_11"}));
  ASSERT_EQ(QApplication::focusWidget(), form.Command1);
  EXPECT_EQ(stock(), "5");  // nothing is saved on the way

  // Enter on the button saves.
  QTest::keyClick(form.Command1, Qt::Key_Return);
  flushDeletes();
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join("|").toStdString();
  EXPECT_EQ(stock(), "15");
  EXPECT_EQ(loaded<GoodsReceiptWindow>(), nullptr);
}

TEST_F(PurchasingWindowsTest, RefusedSavesWriteNothingAndKeepTheBoxes) {
  GoodsReceiptWindow& form = add();
  form.Text1[purchasing::kBoxName]->setText("青霉素");
  form.Text1[purchasing::kBoxQuantity]->setText("4");
  click(form, "Command1");
  form.Text1[purchasing::kBoxName]->setText("阿莫西林[24粒]");
  form.Text1[purchasing::kBoxDate]->setText("2019-13-01");
  click(form, "Command1");
  EXPECT_EQ(dialogs.texts(), (QStringList{"药品目录中无该药物，请首先在药品目录中添加该药物后才能入库！",
                                          "请填写正确格式的进货日期！日期格式为“2016-01-03”。"}));
  ASSERT_NE(loaded<GoodsReceiptWindow>(), nullptr);
  EXPECT_EQ(form.Text1[purchasing::kBoxQuantity]->text(), "4");
  EXPECT_EQ(stock(), "5");
  store::Database d(state.stockDbPath);
  SQLite::Statement q(d.sql(), R"(SELECT count(*) FROM "进货管理")");
  q.executeStep();
  EXPECT_EQ(q.getColumn(0).getInt(), 0);
}

TEST_F(PurchasingWindowsTest, RatioReachesTheCatalogueAndOneThatIsNoPositiveNumberChangesNothing) {
  GoodsReceiptWindow& form = add();
  form.Text1[purchasing::kBoxCost]->setText("2");
  form.Text4->setText("1.5");
  click(form, "Command3");
  EXPECT_EQ(form.Text1[purchasing::kBoxPrice]->text(), "3.000");
  for (const char* bad : {"", "0", "-1", "abc"}) {
    form.Text4->setText(bad);
    click(form, "Command3");
    EXPECT_EQ(form.Text1[purchasing::kBoxPrice]->text(), "3.000") << bad;
    EXPECT_EQ(session->services.markupRatio(), 1.5) << bad;
  }
  // The ratio holds for the rest of the run, in the catalogue window as well.
  EXPECT_EQ(window<catalogue::CatalogueWindow>().Text4->text(), "1.5");
}

TEST_F(PurchasingWindowsTest, StatisticsRangeRuleAndExportReadBack) {
  store::Database(state.stockDbPath).exec(R"(INSERT INTO "进货管理" ("日期", "品名", "单位", "数量", "备注", "分类", "序号")
      VALUES ('2019-02-01', '当归', 'g', '1500', '1.254', '中药', '1'), ('2019-02-02', '当归', 'g', '500', '0', '中药', '2'))");
  PurchaseStatisticsWindow& form = window<PurchaseStatisticsWindow>();
  form.Combo1->setCurrentText(" 中药 ");
  form.Text3->setText("2019-03-06");
  form.Text4->setText("2019-02-01");
  click(form, "Command1");
  EXPECT_EQ(dialogs.texts(), QStringList{"统计日期范围不能超过1个月！"});
  form.Text3->setText("2019-03-05");  // exactly 32 days, reversed
  click(form, "Command1");
  ASSERT_EQ(form.lines().size(), 2u);
  EXPECT_EQ(form.grid->state().cellText(0, 1), "2.000");
  EXPECT_EQ(form.grid->state().cellText(0, 2), "kg");
  EXPECT_EQ(form.grid->state().cellText(1, 0), "合计");
  EXPECT_EQ(form.grid->state().cellText(1, 3), "1.25");
  EXPECT_FALSE(form.busyBar->running());

  const QString path = folder.sub("统计");
  dialogs.fileNames.enqueue(path);
  click(form, "Command2");
  EXPECT_EQ(dialogs.texts().last(), "文件导出成功！");
  const QJsonObject book = testing_support::xlrdReadBack(path + ".xls");
  ASSERT_TRUE(book["ok"].toBool()) << book["error"].toString().toStdString();
  const QJsonArray rows = book["sheets"].toArray()[0].toObject()["rows"].toArray();
  EXPECT_EQ(rows[0].toArray()[0].toObject()["value"].toString(), "药品名称");
  EXPECT_EQ(rows[1].toArray()[1].toObject()["type"].toString(), "number");
  EXPECT_EQ(rows[1].toArray()[1].toObject()["format"].toString(), "0.000");
  EXPECT_EQ(rows[2].toArray()[0].toObject()["value"].toString(), "合计");
  EXPECT_EQ(rows[2].toArray()[3].toObject()["value"].toDouble(), 1.25);
}

// A statistic the inventory file cannot answer says why once the bar is gone; the list
// shown before stays, for the export too.
TEST_F(PurchasingWindowsTest, AStatisticTheFileCannotAnswerIsToldAndTheShownListStays) {
  store::Database(state.stockDbPath).exec(R"(INSERT INTO "进货管理" ("日期", "品名", "单位", "数量", "备注", "分类", "序号")
      VALUES ('2019-02-01', '当归', 'g', '1500', '1.254', '中药', '1'))");
  PurchaseStatisticsWindow& form = window<PurchaseStatisticsWindow>();
  form.Combo1->setCurrentText("中药");
  for (QLineEdit* box : {form.Text3, form.Text4}) {
    box->selectAll();
    QTest::keyClicks(box, "2019-02-01");
  }
  click(form, "Command1");
  ASSERT_EQ(form.lines().size(), 2u);
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join("|").toStdString();

  {
    const testing_support::ShortBusyTimeout shortWait;
    const testing_support::ExclusiveLock lock(state.stockDbPath);
    click(form, "Command1");
  }
  EXPECT_EQ(dialogs.texts(), QStringList{"统计失败：文件正被其他程序或工作站占用"});
  EXPECT_EQ(dialogs.messages[0].title, "提示");
  EXPECT_FALSE(form.busyBar->running());
  EXPECT_EQ(form.lines().size(), 2u);
  EXPECT_EQ(form.grid->state().cellText(1, 0), "合计");
}

// The drugs are listed by pinyin, as in the sales statistics, and "合计" closes the list.
TEST_F(PurchasingWindowsTest, StatisticsListTheDrugsByPinyinWithTheTotalLast) {
  store::Database(state.stockDbPath).exec(R"(INSERT INTO "进货管理" ("日期", "品名", "单位", "数量", "备注", "分类", "序号")
      VALUES ('2019-02-01', '头孢呋辛钠', '支', '10', '20', '西成药', '1'),
             ('2019-02-01', '甲硝唑片', '盒', '2', '3', '西成药', '2'),
             ('2019-02-01', '阿莫西林胶囊', '盒', '5', '6', '西成药', '3'),
             ('2019-02-01', '板蓝根颗粒', '袋', '1', '1', '西成药', '4'))");
  chooseFromMenu("进货统计");
  PurchaseStatisticsWindow& form = *loaded<PurchaseStatisticsWindow>();
  for (QLineEdit* box : {form.Text3, form.Text4}) {
    box->selectAll();
    QTest::keyClicks(box, "2019-02-01");
  }
  click(form, "Command1");
  QStringList shown;
  for (int row = 0; row < 5; ++row) shown << qobject_cast<QLabel*>(form.grid->cell(row, 0))->text();
  EXPECT_EQ(shown, (QStringList{"阿莫西林胶囊", "板蓝根颗粒", "甲硝唑片", "头孢呋辛钠", "合计"}));
  EXPECT_EQ(qobject_cast<QLabel*>(form.grid->cell(4, 3))->text(), "30.00");
}

TEST_F(PurchasingWindowsTest, LedgerExportKeepsBatchNumbersAsText) {
  store::Database(state.stockDbPath).exec(QStringLiteral(R"(INSERT INTO "进货管理"
      ("日期", "品名", "单位", "数量", "库存", "进价", "售价", "批号", "有效期至", "备注", "分类", "序号")
      VALUES ('%1', '阿莫西林[24粒]', '盒', '2.50', '7', '1.5', '3', '0012', '2026-01', '3.75', '西成药', '1'))")
                                                    .arg(text::isoDate(QDate::currentDate())));
  PurchaseLedgerWindow& ledger = window<PurchaseLedgerWindow>();
  EXPECT_EQ(ledger.grid->state().cellText(0, 3), "2.5");     // Lb5 数量
  EXPECT_EQ(ledger.grid->state().cellText(0, 5), "1.500");   // Lb7 进价
  const QString path = folder.sub("明细.XLS");
  dialogs.fileNames.enqueue(path);
  click(ledger, "Command4");
  const QJsonObject book = testing_support::xlrdReadBack(path);
  ASSERT_TRUE(book["ok"].toBool()) << book["error"].toString().toStdString();
  const QJsonArray row = book["sheets"].toArray()[0].toObject()["rows"].toArray()[1].toArray();
  EXPECT_EQ(row[3].toObject()["value"].toDouble(), 2.5);
  EXPECT_EQ(row[9].toObject()["type"].toString(), "text");
  EXPECT_EQ(row[9].toObject()["value"].toString(), "0012");
  EXPECT_EQ(row[11].toObject()["value"].toDouble(), 3.75);
}

TEST_F(PurchasingWindowsTest, AReceiptClosedByItsCloseBoxLeavesTheLedgerForward) {
  triggerMenu("进货明细管理");
  PurchaseLedgerWindow* ledger = loaded<PurchaseLedgerWindow>();
  ASSERT_NE(ledger, nullptr);
  QTest::mouseClick(ledger->Command2, Qt::LeftButton);
  GoodsReceiptWindow* receipt = loaded<GoodsReceiptWindow>();
  ASSERT_NE(receipt, nullptr);
  QMdiArea* area = session->windows.clientArea();
  ASSERT_EQ(area->activeSubWindow(), receipt->subWindow());

  // A click on the close box of the sub-window's title bar.
  QMdiSubWindow* frame = receipt->subWindow();
  QStyleOptionTitleBar bar;
  bar.initFrom(frame);
  bar.titleBarFlags = frame->windowFlags();
  bar.titleBarState = frame->windowState();
  bar.subControls = QStyle::SC_All;
  bar.rect = QRect(0, 0, frame->width(), frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &bar, frame));
  const QRect closeBox = frame->style()->subControlRect(QStyle::CC_TitleBar, &bar, QStyle::SC_TitleBarCloseButton, frame);
  ASSERT_TRUE(closeBox.isValid());
  QTest::mouseMove(frame, closeBox.center());  // the title bar acts on the control under the pointer
  QTest::mouseClick(frame, Qt::LeftButton, {}, closeBox.center());
  flushDeletes();
  QCoreApplication::processEvents();
  ASSERT_EQ(loaded<GoodsReceiptWindow>(), nullptr);
  EXPECT_EQ(area->activeSubWindow(), ledger->subWindow());
  EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), ledger->subWindow());
}

TEST_F(PurchasingWindowsTest, ASavedReceiptBringsTheLedgerForwardWithTheLastMonthOfItsCategory) {
  const testing_support::ProgramFonts fonts;
  execMain(R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类", "单位", "单价", "备用1", "斗位")
              VALUES ('2', '黄芪', '黄芪-hq-$', '中药', 'g', '0.500', '0.300', '100'))");
  const QString today = text::isoDate(QDate::currentDate());
  triggerMenu("进货明细管理");
  PurchaseLedgerWindow* ledger = loaded<PurchaseLedgerWindow>();
  ASSERT_NE(ledger, nullptr);
  QTest::keyClick(ledger->Combo1, Qt::Key_Up);
  ASSERT_EQ(ledger->Combo1->currentText(), "中药");
  QTest::keyClicks(ledger->Text1, "xyz");
  QTest::mouseClick(ledger->Command3, Qt::LeftButton);
  EXPECT_EQ(ledger->Label1->text(), "记录数：0");

  QTest::mouseClick(ledger->Command2, Qt::LeftButton);
  GoodsReceiptWindow* receipt = loaded<GoodsReceiptWindow>();
  ASSERT_NE(receipt, nullptr);
  QLineEdit* name = receipt->Text1[purchasing::kBoxName];
  QTest::keyClicks(name, "hq");
  QTest::keyClick(name, Qt::Key_Down);
  QTest::keyClick(receipt->List1, Qt::Key_Return);
  QTest::keyClicks(receipt->Text1[purchasing::kBoxQuantity], "12345.5");
  QLineEdit* cost = receipt->Text1[purchasing::kBoxCost];
  QTest::keyClick(cost, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(cost, "8.1");
  QTest::mouseClick(receipt->Command1, Qt::LeftButton);
  flushDeletes();
  QCoreApplication::processEvents();
  ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join("|").toStdString();
  ASSERT_EQ(loaded<GoodsReceiptWindow>(), nullptr);

  // The ledger is the active window, above the prescription window.
  QMdiArea* area = session->windows.clientArea();
  EXPECT_EQ(area->activeSubWindow(), ledger->subWindow());
  EXPECT_EQ(area->subWindowList(QMdiArea::StackingOrder).last(), ledger->subWindow());
  // It shows the new receipt: a month back to today, no name, its category kept.
  EXPECT_EQ(ledger->Text1->text(), "");
  EXPECT_EQ(ledger->Text3->text(), text::isoDate(text::oneMonthBack(QDate::currentDate())));
  EXPECT_EQ(ledger->Text4->text(), today);
  EXPECT_EQ(ledger->Combo1->currentText(), "中药");
  ASSERT_EQ(ledger->Label1->text(), "记录数：1");
  EXPECT_EQ(ledger->grid->state().cellText(0, 11), "99998.55");
  // 数量, 库存, 进价, 售价 and 金额 read whole in their narrow cells.
  for (int column : {3, 4, 5, 6, 11}) EXPECT_TRUE(testing_support::showsWhole(ledger->grid->cell(0, column)));

  // The menu still opens it afresh.
  triggerMenu("进货明细管理");
  flushDeletes();
  PurchaseLedgerWindow* fresh = loaded<PurchaseLedgerWindow>();
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->Text3->text(), today);
  EXPECT_EQ(fresh->Combo1->currentText(), "西成药");
  EXPECT_EQ(fresh->Label1->text(), "记录数：0");
}

// The program's window font from before the first window on.
class GoodsReceiptDrawn : public testing_support::ProgramFont, public PurchasingWindowsTest {};

// Two strengths of one drug stand apart in the drop-down, each row its font's line
// spacing and two pixels more, so the user does not take the one for the other.
TEST_F(GoodsReceiptDrawn, DropDownRowsStandApart) {
  execMain(R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类", "单位") VALUES
              ('2', '注射用头孢呋辛钠{0.75g}', '注射用头孢呋辛钠{0.75g}-zsytbfxn-$', '西成药·抗生素', '支'),
              ('3', '注射用头孢呋辛钠{1.5g}', '注射用头孢呋辛钠{1.5g}-zsytbfxn-$', '西成药·抗生素', '支'))");
  GoodsReceiptWindow& form = add();
  QTest::keyClicks(form.Text1[purchasing::kBoxName], "tbfxn");
  QListView* list = form.List1;
  ASSERT_TRUE(list->isVisible());
  ASSERT_EQ(list->model()->rowCount(), 2);
  const auto row = [&](int r) { return list->visualRect(list->model()->index(r, 0)); };
  const int pitch = QFontMetrics(list->font()).lineSpacing() + 2;
  for (int r = 0; r < 2; ++r) EXPECT_EQ(row(r).height(), pitch) << r;
  const auto ink = testing_support::inkRows(list->viewport(), row(0).united(row(1)));
  ASSERT_EQ(ink.size(), 2);
  EXPECT_GE(testing_support::smallestGap(ink), 2);
  // The row under the pointer is the one picked.
  testing_support::doubleClick(list->viewport(), row(1).center());
  EXPECT_EQ(form.Text1[purchasing::kBoxName]->text(), "注射用头孢呋辛钠[1.5g]");
}

}  // namespace
