// The report windows offscreen: opened from the menu, run, paged and exported.
#include "../shell/ShellFixture.h"

#include "purchasing/PurchaseStatisticsWindow.h"
#include "reports/WorkloadWindow.h"
#include "reports/DrugSalesWindow.h"
#include "reports/SalesDetailWindow.h"
#include "reports/service/ReportDates.h"
#include "shell/MainWindow.h"
#include "store/Database.h"
#include "support/ShownWhole.h"
#include "support/TextRendering.h"
#include "support/TypedKeys.h"
#include "support/XlrdReadBack.h"
#include "text/Dates.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>

namespace {

using reports::WorkloadWindow;
using reports::DrugSalesWindow;
using reports::SalesDetailWindow;
using testing_support::click;

class ReportWindowsTest : public testing_support::ShellFixture {
 protected:
  void SetUp() override {
    start();
    login();
  }
  void trigger(const QString& caption) { triggerMenu(caption); }
  void execStock(const QString& sql) { store::Database(state.stockDbPath).exec(sql); }
  // `drugs` western drugs sold on `date`, one line each.
  void sellDrugs(int drugs, const QString& date) {
    execStock(QStringLiteral(
                  R"(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1))"
                  R"( INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "日期",)"
                  R"( "医师", "利润", "患者") SELECT printf('2019%010d', i), printf('药%02d', i), '2', '盒', '1.5',)"
                  R"( '3.000', '1', '西成药·抗生素', '@DATE', '王医师', '1', '李四' FROM n;)")
                  .replace(QStringLiteral("%1"), QString::number(drugs))
                  .replace(QStringLiteral("@DATE"), date));
  }
  QString today() const { return text::isoDate(QDate::currentDate()); }
};

TEST_F(ReportWindowsTest, WorkloadFromTheMenuCountsTodayAndRefusesBadDates) {
  execMain(QStringLiteral(R"(INSERT INTO "档案" ("序号", "0", "5", "16") VALUES ('1', '甲', '%1', '12.50'),)"
                          R"( ('2', '乙', '%1', '7.5');)")
               .arg(today()));
  // The user works in the main window, which the desktop has made the active one.
  QApplication::setActiveWindow(&window<shell::MainWindow>());
  trigger(QStringLiteral("业务统计(T)"));
  WorkloadWindow* form = loaded<WorkloadWindow>();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->Label4->text().isEmpty());
  EXPECT_EQ(form->Text3->text(), text::isoDate(text::oneMonthBack(QDate::currentDate())));
  // It opens on "今 日": a key press counts today, and Tab goes on to "统 计".
  ASSERT_EQ(QApplication::focusWidget(), form->Command2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(form->Label4->text(), QStringLiteral("门诊处方数：2张，业务额(￥)：20.00"));
  EXPECT_EQ(form->Text3->text(), today());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form->Command1);
  form->Label4->clear();
  QTest::mouseClick(form->Command2, Qt::LeftButton);
  EXPECT_EQ(form->Label4->text(), QStringLiteral("门诊处方数：2张，业务额(￥)：20.00"));

  form->Text3->setText(QStringLiteral("2000-01-01"));
  form->Text4->setText(QStringLiteral("2000-12-31"));
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  EXPECT_EQ(form->Label4->text(), QStringLiteral("无统计数字"));

  form->Text4->setText(QStringLiteral("2000-1-x"));
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  EXPECT_EQ(dialogs.texts().value(0), reports::kBadDatesMessage);

  // The toolbar's way in opens it afresh too.
  WorkloadWindow& fresh = WorkloadWindow::openAfresh(session->windows);
  EXPECT_TRUE(fresh.Label4->text().isEmpty());
}

// A page holds 15 rows, the sideways bar standing where a 16th would be: 14 drugs and
// the "合计" fill it, 15 drugs move the bar, and its last page ends with the "合计".
TEST_F(ReportWindowsTest, DrugSalesScrollBarNeedsSixteenRows) {
  trigger(QStringLiteral("销售统计"));
  DrugSalesWindow* form = loaded<DrugSalesWindow>();
  ASSERT_NE(form, nullptr);
  form->Text3->setText(QStringLiteral("2019-01-01"));
  form->Text4->setText(QStringLiteral("2019-01-31"));
  struct Case {
    int drugs;
    bool barEnabled;
  } cases[] = {{14, false}, {15, true}};
  for (const Case& c : cases) {
    execStock(QStringLiteral(R"(DELETE FROM "销售管理";)"));
    sellDrugs(c.drugs, QStringLiteral("2019-01-10"));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    ASSERT_EQ(form->result().size(), static_cast<size_t>(c.drugs + 1));
    EXPECT_EQ(form->grid->VS1()->isEnabled(), c.barEnabled) << c.drugs;
    if (c.barEnabled) {
      EXPECT_EQ(form->grid->VS1()->maximum(), 1);
      form->grid->VS1()->setValue(1);
    }
    EXPECT_EQ(form->grid->state().cellText(14, 0), QStringLiteral("合计"));
    EXPECT_EQ(form->grid->state().cellText(14, 3), QStringLiteral("%1.00").arg(3 * c.drugs));
  }

  // A range of 33 days is refused and the result stays.
  form->Text4->setText(QStringLiteral("2019-02-03"));
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  EXPECT_EQ(dialogs.texts().value(0), reports::kRangeTooLongMessage);
  EXPECT_EQ(form->result().size(), 16u);
}

TEST_F(ReportWindowsTest, DrugSalesExportWritesOnlyAfterARunAndAsksBeforeReplacing) {
  trigger(QStringLiteral("销售统计"));
  DrugSalesWindow* form = loaded<DrugSalesWindow>();
  ASSERT_NE(form, nullptr);
  const QString chosen = folder.sub("统计");
  dialogs.fileNames.enqueue(chosen);
  click(*form, "Command2");
  EXPECT_FALSE(QFile::exists(chosen + ".xls"));
  EXPECT_TRUE(dialogs.messages.isEmpty());

  sellDrugs(2, today());
  click(*form, "Command1");
  dialogs.fileNames.enqueue(chosen);
  click(*form, "Command2");
  EXPECT_EQ(form->Text1->text(), chosen);
  ASSERT_EQ(dialogs.texts(), QStringList{QStringLiteral("文件导出成功！")});
  const QJsonObject book = testing_support::xlrdReadBack(chosen + ".xls");
  ASSERT_TRUE(book[u"ok"].toBool());
  const QJsonArray rows = book[u"sheets"].toArray()[0].toObject()[u"rows"].toArray();
  EXPECT_EQ(rows[3].toArray()[0].toObject()[u"value"].toString(), QStringLiteral("合计"));
  EXPECT_EQ(rows[3].toArray()[3].toObject()[u"format"].toString(), QStringLiteral("0.00"));

  // An existing file is kept when the question is answered No; ".XLS" is not doubled.
  dialogs.messages.clear();
  QFile::copy(chosen + ".xls", chosen + ".XLS");
  dialogs.fileNames.enqueue(chosen + ".XLS");
  click(*form, "Command2");
  EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("文件已存在，是否替换？")});
}

TEST_F(ReportWindowsTest, SalesDetailListsTodayPagesHighlightsAndOpensTheStatistics) {
  sellDrugs(25, today());
  trigger(QStringLiteral("销售明细管理"));
  SalesDetailWindow* form = loaded<SalesDetailWindow>();
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Label1->text(), QStringLiteral("记录数：25"));
  EXPECT_EQ(form->grid->state().cellText(0, 7), QStringLiteral("1.00"));  // profit "1"
  EXPECT_TRUE(form->grid->VS1()->isEnabled());
  EXPECT_EQ(form->grid->VS1()->maximum(), 1);

  QTest::mouseClick(form->grid->cell(3, 0), Qt::LeftButton);
  EXPECT_EQ(form->grid->state().highlightedRow(), 3);
  // The whole row turns cyan: no cell paints a stripe of its own over the band.
  EXPECT_EQ(form->grid->band(3)->palette().color(QPalette::Window), QColor(0, 255, 255));
  for (int column = 0; column < form->grid->state().config().columnCount(); ++column)
    EXPECT_FALSE(form->grid->cell(3, column)->autoFillBackground()) << column;
  form->grid->VS1()->setValue(1);
  EXPECT_EQ(form->grid->state().highlightedRow(), -1);
  EXPECT_EQ(form->grid->state().cellText(0, 1), QStringLiteral("药02"));

  form->Text1->setText(QStringLiteral("药1"));
  click(*form, "Command3");
  EXPECT_EQ(form->Label1->text(), QStringLiteral("记录数：10"));
  EXPECT_FALSE(form->grid->VS1()->isEnabled());

  const QString chosen = folder.sub("明细.xls");
  dialogs.fileNames.enqueue(chosen);
  click(*form, "Command4");
  const QJsonObject book = testing_support::xlrdReadBack(chosen);
  ASSERT_TRUE(book[u"ok"].toBool());
  const QJsonArray rows = book[u"sheets"].toArray()[0].toObject()[u"rows"].toArray();
  EXPECT_EQ(rows[1].toArray()[1].toObject()[u"value"].toString(), QStringLiteral("药10"));
  EXPECT_EQ(rows[1].toArray()[7].toObject()[u"type"].toString(), QStringLiteral("number"));

  click(*form, "Command5");
  EXPECT_NE(loaded<DrugSalesWindow>(), nullptr);
}

TEST_F(ReportWindowsTest, SalesDetailTellsAFailedReadAndCountsNothing) {
  trigger(QStringLiteral("销售明细管理"));
  SalesDetailWindow* form = loaded<SalesDetailWindow>();
  ASSERT_NE(form, nullptr);
  execStock(QStringLiteral(R"(DROP TABLE "销售管理";)"));
  click(*form, "Command3");
  EXPECT_EQ(form->Label1->text(), QStringLiteral("记录数：0"));
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.texts().value(0).startsWith(QStringLiteral("销售记录无法读取：")));
}

// The report windows drawn in the program's own fonts, for what their cells show.
class StatisticsGridsTest : public ReportWindowsTest {
 protected:
  // Clicks the sideways bar's right arrow until the bar stands at its end.
  static void scrollToTheRight(QScrollBar* bar) {
    const QPoint arrow(bar->width() - 3, bar->height() / 2);
    for (int i = 0; i < 10 && bar->value() < bar->maximum(); ++i) QTest::mouseClick(bar, Qt::LeftButton, {}, arrow);
  }
  testing_support::ProgramFonts fonts;
};

TEST_F(StatisticsGridsTest, SalesProfitScrollsIntoViewWholeWhileThePurchasesKeepTheirsHidden) {
  execStock(QStringLiteral(
      R"(INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "日期", "医师",)"
      R"( "利润", "患者") VALUES ('2019000001T1', '注射用头孢曲松钠', '2', '支', '12345.5', '24691.000',)"
      R"( '6172.161', '西成药·抗生素', '%1', '王医师', '12345.678', '李四');)")
                .arg(today()));
  trigger(QStringLiteral("销售统计"));
  DrugSalesWindow* sales = loaded<DrugSalesWindow>();
  ASSERT_NE(sales, nullptr);
  QTest::mouseClick(sales->Command1, Qt::LeftButton);
  ASSERT_EQ(sales->result().size(), 2u);
  auto* profit = named<QLabel>(*sales, QStringLiteral("Lb6_0"));
  EXPECT_EQ(profit->text(), QStringLiteral("12345.68"));

  QScrollBar* sideways = sales->grid->HS1();
  scrollToTheRight(sideways);
  ASSERT_GT(sideways->maximum(), 0);
  EXPECT_EQ(sideways->value(), sideways->maximum());
  // The profit column stands inside the viewport, clear of the vertical bar.
  for (const char* name : {"Lb6_0", "Lb6_1", "Cm2_4"}) {
    auto* control = named<QWidget>(*sales, QString::fromLatin1(name));
    EXPECT_TRUE(control->isVisibleTo(sales));
    const QRect shown(control->mapTo(sales->grid, QPoint(0, 0)), control->size());
    EXPECT_GE(shown.left(), 0) << name;
    if (QByteArray(name).startsWith("Lb")) EXPECT_LE(shown.right(), sales->grid->VS1()->x() - 1) << name;
    else EXPECT_LT(shown.left(), sales->grid->VS1()->x() - 40) << name;  // the caption's start shows
  }
  EXPECT_EQ(named<QPushButton>(*sales, QStringLiteral("Cm2_4"))->text(), QStringLiteral("利润"));
  // Quantity, amount and profit read whole, the "合计" row's too.
  for (const char* name : {"Lb3_0", "Lb5_0", "Lb6_0", "Lb5_1", "Lb6_1"})
    EXPECT_TRUE(testing_support::showsWhole(named<QLabel>(*sales, QString::fromLatin1(name))));

  // The purchase statistics share the grid, but have no profit to show.
  execStock(QStringLiteral(R"(INSERT INTO "进货管理" ("日期", "品名", "单位", "数量", "备注", "分类", "序号"))"
                           R"( VALUES ('%1', '注射用头孢曲松钠', '支', '12345.5', '99999.99', '西成药', '1');)")
                .arg(today()));
  trigger(QStringLiteral("进货统计"));
  auto* purchases = loaded<purchasing::PurchaseStatisticsWindow>();
  ASSERT_NE(purchases, nullptr);
  QTest::mouseClick(purchases->Command1, Qt::LeftButton);
  EXPECT_EQ(named<QLabel>(*purchases, QStringLiteral("Lb5_0"))->text(), QStringLiteral("99999.99"));
  EXPECT_FALSE(named<QWidget>(*purchases, QStringLiteral("Cm2_4"))->isVisibleTo(purchases));
  for (int row = 0; row < 2; ++row)
    EXPECT_TRUE(named<QLabel>(*purchases, QStringLiteral("Lb6_%1").arg(row))->text().isEmpty());
  for (const char* name : {"Lb3_0", "Lb5_0", "Lb5_1"})
    EXPECT_TRUE(testing_support::showsWhole(named<QLabel>(*purchases, QString::fromLatin1(name))));
}

// The strip between the vertical bar and the viewport's edge shows the viewport alone: no
// digit of the profit column that runs on under the bar, no stripe of its rows, whichever
// way the sideways bar stands.
TEST_F(StatisticsGridsTest, NothingOfTheSalesRowsShowsRightOfTheVerticalBar) {
  QString rows;
  for (int i = 0; i < 18; ++i)
    rows += QStringLiteral(R"(%1('2019%2T1', '药%2', '2', '支', '1', '88888.000', '1', '西成药·抗生素', '%3', '王医师',)"
                           R"( '88888.888', '李四'))")
                .arg(i ? "," : "")
                .arg(i, 6, 10, QLatin1Char('0'))
                .arg(today());
  execStock(QStringLiteral(R"(INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类",)"
                           R"( "日期", "医师", "利润", "患者") VALUES )") +
            rows);
  trigger(QStringLiteral("销售统计"));
  DrugSalesWindow* sales = loaded<DrugSalesWindow>();
  ASSERT_NE(sales, nullptr);
  QTest::mouseClick(sales->Command1, Qt::LeftButton);
  ASSERT_EQ(sales->result().size(), 19u);
  const auto coloursRightOfTheBar = [&] {
    const QImage shown = sales->grid->grab().toImage();
    QSet<QRgb> colours;
    for (int x = sales->grid->VS1()->geometry().right() + 1; x < shown.width(); ++x)
      for (int y = 0; y < shown.height(); ++y) colours.insert(shown.pixel(x, y));
    return colours;
  };
  ASSERT_LT(sales->grid->VS1()->geometry().right() + 1, sales->grid->width()) << "the bar leaves a strip";
  EXPECT_EQ(coloursRightOfTheBar().size(), 1);
  scrollToTheRight(sales->grid->HS1());
  EXPECT_EQ(coloursRightOfTheBar().size(), 1);
}

// A name wider than its centred cell reads from its first character; one that fits
// stays in the middle.
TEST_F(StatisticsGridsTest, SalesDetailNamesTooLongForTheirCellsReadFromTheirStart) {
  execStock(QStringLiteral(
      R"(INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "日期", "医师",)"
      R"( "利润", "患者") VALUES ('2019000001T1', '复方磺胺甲噁唑注射液[华北制药股份有限公司]', '2', '盒', '1', '2.000', '1', '西成药·抗生素', '%1',)"
      R"( '司马相如主任医师', '1', '赵钱孙李周吴郑王'), ('2019000002T1', '阿莫西林', '2', '盒', '1', '2.000', '1',)"
      R"( '西成药·抗生素', '%1', '王医师', '1', '李四');)")
                .arg(today()));
  trigger(QStringLiteral("销售明细管理"));
  SalesDetailWindow* form = loaded<SalesDetailWindow>();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->grid->state().recordCount(), 2);
  constexpr int kDrug = 1;  // left-aligned
  constexpr int kPatient = 8;
  constexpr int kPhysician = 9;
  const int longRow = form->grid->state().cellText(0, kPatient) == QStringLiteral("李四") ? 1 : 0;
  for (int column : {kDrug, kPatient, kPhysician}) {
    auto* wide = static_cast<QLabel*>(form->grid->cell(longRow, column));
    EXPECT_FALSE(testing_support::showsWhole(wide)) << "the case needs a name wider than its cell";
    EXPECT_TRUE(testing_support::drawnFromItsBeginning(wide)) << column;
    EXPECT_TRUE(testing_support::endsAtAWholeCharacter(wide)) << column;
    auto* fitting = static_cast<QLabel*>(form->grid->cell(1 - longRow, column));
    if (column != kDrug) {
      EXPECT_TRUE(fitting->alignment() & Qt::AlignHCenter) << column;
    }
    EXPECT_TRUE(testing_support::showsWhole(fitting)) << column;
  }
}

// The program's window font for the lists, from before the first window on.
class ReportWindowsListsDrawn : public testing_support::ProgramFont, public ReportWindowsTest {};

// The drop-down lists of the boxes that are typed into set their rows apart, each its
// font's line spacing and two pixels more.
TEST_F(ReportWindowsListsDrawn, TypedBoxesDropDownRowsStandApart) {
  const struct {
    const char* menu;
    const char* window;
  } boxes[] = {{"销售统计", "Form13"}, {"销售明细管理", "Form15"}, {"进货统计", "Form16"}, {"综合设置(S)", "Form8"}};
  for (const auto& b : boxes) {
    SCOPED_TRACE(b.window);
    trigger(QString::fromUtf8(b.menu));
    ui::Window* form = session->windows.find(QString::fromLatin1(b.window));
    ASSERT_NE(form, nullptr);
    auto* box = named<QComboBox>(*form, QStringLiteral("Combo1"));
    ASSERT_GE(box->count(), 2);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));  // the arrow
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(list->isVisible());
    const int pitch = QFontMetrics(list->font()).lineSpacing() + 2;
    for (int r = 0; r < 2; ++r) EXPECT_EQ(list->visualRect(list->model()->index(r, 0)).height(), pitch) << r;
    box->hidePopup();
  }
}

TEST_F(ReportWindowsTest, CategoryBoxesTakeTheTextAsTyped) {
  const struct {
    const char* menu;
    const char* window;
  } boxes[] = {{"销售统计", "Form13"}, {"销售明细管理", "Form15"}, {"进货统计", "Form16"}};
  for (const auto& b : boxes) {
    trigger(QString::fromUtf8(b.menu));
    ui::Window* form = session->windows.find(QString::fromLatin1(b.window));
    ASSERT_NE(form, nullptr) << b.window;
    auto* box = named<QComboBox>(*form, QStringLiteral("Combo1"));
    const int items = box->count();
    // A box completes only while it has the focus, as it has when the user types.
    QApplication::setActiveWindow(form->window());
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(box->lineEdit()->hasFocus()) << b.window;
    QTest::keyClick(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    testing_support::typeKeys(box->lineEdit(), QStringLiteral("中"));
    EXPECT_EQ(box->currentText().toStdString(), "中") << b.window;
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(box->currentText().toStdString(), "中") << b.window;
    EXPECT_EQ(box->count(), items) << b.window << ": Enter adds nothing to the list";
  }
}

}  // namespace
