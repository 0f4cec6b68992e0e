// The paged grid on screen: built rows and bars, paging by the bar (also while the
// thumb is dragged), row selection by a click, typing into a cell, save marks and the
// sideways shift.
#include "ui/PagedGrid.h"

#include "support/ShownWhole.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using ui::PagedGrid;

std::vector<grid::Record> numbered(int count, int fields) {
  std::vector<grid::Record> records;
  for (int n = 0; n < count; ++n) {
    grid::Record r;
    for (int f = 0; f < fields; ++f) r.fields.push_back(f == 0 ? QStringLiteral("r%1").arg(n) : QStringLiteral("%1.%2").arg(n).arg(f));
    records.push_back(r);
  }
  return records;
}

struct CatalogueFixture {
  QWidget window;
  PagedGrid* grid;
  explicit CatalogueFixture(int records) {
    window.resize(ui::px(14000), ui::px(9000));
    grid = new PagedGrid(grid::catalogueGrid(), &window);
    grid->setRecords(numbered(records, grid::kCatalogueFields));
    window.show();
  }
  QLineEdit* cell(const char* name) const { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); }
  QColor bandColor(int row) const { return grid->band(row)->palette().color(QPalette::Window); }
  QColor cellColor(int row, int column) const {
    return grid->lineCell(row, column)->palette().color(QPalette::Base);
  }
};

TEST(PagedGrid, BuildsEveryRowAtItsDesignPlace) {
  CatalogueFixture f(3);
  auto* pt1 = f.window.findChild<QWidget*>("Pt1");
  ASSERT_EQ(pt1, f.grid);
  EXPECT_EQ(pt1->geometry(), QRect(8, 80, 913, 460));
  EXPECT_EQ(f.window.findChild<QWidget*>("Pt2")->geometry(), QRect(0, 0, 1049, 435));  // down to row 19
  // The sideways bar stands where a 21st row would be: the page has 20 rows.
  EXPECT_EQ(f.window.findChild<QLabel*>("Lb1_19")->geometry(), QRect(-4, 414, 1009, 21));
  EXPECT_EQ(f.cell("Lb9_19")->geometry(), ui::pxRect(10740, 6285, 735, 225));
  EXPECT_EQ(f.window.findChild<QWidget*>("Ln1_19")->y(), ui::px(6525));
  EXPECT_EQ(f.window.findChild<QLabel*>("Lb1_20"), nullptr);
  EXPECT_EQ(f.window.findChild<QWidget*>("Ln2_12")->x(), ui::px(14865));
  EXPECT_EQ(f.window.findChild<QScrollBar*>("VS1")->geometry(), ui::pxRect(13380, 0, 255, 6840));
  EXPECT_EQ(f.window.findChild<QScrollBar*>("HS1")->geometry(), ui::pxRect(480, 6585, 6555, 255));
  EXPECT_EQ(f.window.findChild<QPushButton*>("Cm2_0")->text(), "药物名称[规格/商品名]");
  EXPECT_EQ(f.window.findChildren<QLineEdit*>().size(), 20 * 11);
  EXPECT_TRUE(f.cell("Lb12_0")->isReadOnly());
  EXPECT_EQ(f.cell("Lb2_2")->text(), "r2");
  EXPECT_EQ(f.cell("Lb12_2")->cursorPosition(), 0) << "a narrow box shows the start of the key";
  EXPECT_EQ(f.cell("Lb2_3")->text(), "");
  EXPECT_EQ(f.bandColor(0), QColor(249, 248, 245));
  EXPECT_EQ(f.cellColor(1, grid::kCatKey), QColor(255, 255, 255));
}

TEST(PagedGrid, TheBarPagesAlsoWhileItsThumbIsDragged) {
  CatalogueFixture f(30);
  QScrollBar* bar = f.grid->VS1();
  EXPECT_EQ(bar->maximum(), 30);
  QSignalSpy edits(f.grid, &PagedGrid::cellEdited);

  // One click on the lower arrow moves one record.
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 3));
  EXPECT_EQ(bar->value(), 1);
  EXPECT_EQ(f.cell("Lb2_0")->text(), "r1");

  bar->setSliderDown(true);
  bar->setSliderPosition(12);
  EXPECT_EQ(f.cell("Lb2_0")->text(), "r12") << "the page follows the thumb before it is let go";
  EXPECT_EQ(f.cell("Lb8_1")->text(), "13.6");
  EXPECT_EQ(f.cell("Lb9_1")->text(), "13.7");
  bar->setSliderPosition(30);
  bar->setSliderDown(false);
  EXPECT_EQ(f.cell("Lb2_0")->text(), "");
  EXPECT_EQ(f.cell("Lb12_19")->text(), "");
  EXPECT_EQ(edits.count(), 0) << "filling a page is no edit";
}

TEST(PagedGrid, AClickSelectsTheRowAndPaintsItCyan) {
  CatalogueFixture f(30);
  QSignalSpy selections(f.grid, &PagedGrid::selectionChanged);
  QTest::mouseClick(f.cell("Lb3_4"), Qt::LeftButton);
  EXPECT_EQ(f.grid->state().selectedRow(), 4);
  EXPECT_EQ(f.bandColor(4), QColor(0, 255, 255));
  for (int column = 0; column < 11; ++column) EXPECT_EQ(f.cellColor(4, column), QColor(0, 255, 255)) << column;

  QTest::mouseClick(f.window.findChild<QLabel*>("Lb1_9"), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(f.grid->state().selectedRow(), 9);
  EXPECT_EQ(f.bandColor(4), QColor(249, 248, 245));
  EXPECT_EQ(f.cellColor(4, grid::kCatName), QColor(249, 248, 245));
  ASSERT_GE(selections.count(), 2);
  EXPECT_EQ(selections.last().at(0).toInt(), 9);

  // The key cell takes no click.
  QTest::mouseClick(f.cell("Lb12_2"), Qt::LeftButton);
  EXPECT_EQ(f.grid->state().selectedRow(), 9);

  // Paging removes the highlight even when the record stays in sight.
  f.grid->VS1()->setValue(1);
  EXPECT_EQ(f.grid->state().selectedRow(), -1);
  EXPECT_EQ(selections.last().at(0).toInt(), -1);
  EXPECT_EQ(f.bandColor(9), QColor(255, 255, 255));
}

TEST(PagedGrid, TypingIntoACellReachesTheRecordItShows) {
  CatalogueFixture f(30);
  f.grid->VS1()->setValue(25);  // rows 5 .. 19 show the blank records
  QSignalSpy edits(f.grid, &PagedGrid::cellEdited);
  QLineEdit* name = f.cell("Lb2_6");
  name->setFocus();
  QTest::keyClicks(name, "am");
  ASSERT_EQ(edits.count(), 2);
  EXPECT_EQ(edits.last().at(0).toInt(), 6);
  EXPECT_EQ(edits.last().at(1).toInt(), grid::kCatName);
  EXPECT_EQ(edits.last().at(2).toString(), "am");
  EXPECT_EQ(f.grid->state().record(31).fields[0], "am");
  EXPECT_EQ(f.grid->state().record(30).fields[0], "");

  // A window's handler that rewrites a cell during a fill finds the flag set, and the
  // row save reads the rewritten cells back into the record.
  QLineEdit* dose = f.cell("Lb3_0");
  QObject::connect(dose, &QLineEdit::textChanged, dose, [&](const QString& text) {
    EXPECT_TRUE(f.grid->isBusy());
    if (text.contains(u'*')) dose->setText(QString(text).replace(u'*', u'×'));
  });
  std::vector<grid::Record> records = numbered(1, grid::kCatalogueFields);
  records[0].fields[1] = QStringLiteral("2*3");
  f.grid->setRecords(records);
  EXPECT_EQ(dose->text(), "2×3");
  EXPECT_EQ(f.grid->state().record(0).fields[1], "2*3");
  f.grid->storeRow(0);
  EXPECT_EQ(f.grid->state().record(0).fields[1], "2×3");
}

TEST(PagedGrid, APageShowInsideAReloadLeavesTheReloadGuarded) {
  CatalogueFixture f(30);
  f.grid->VS1()->setValue(10);
  QSignalSpy edits(f.grid, &PagedGrid::cellEdited);
  {
    const auto reload = f.grid->busyFlag().hold();
    f.grid->VS1()->setValue(0);  // the page show runs and ends inside the reload
    f.cell("Lb2_0")->setText(QStringLiteral("written by the reload"));
  }
  EXPECT_EQ(edits.count(), 0);
  EXPECT_EQ(f.grid->state().record(0).fields[0], "r0");
  f.cell("Lb2_0")->setText(QStringLiteral("typed"));
  EXPECT_EQ(edits.count(), 1);
  EXPECT_EQ(f.grid->state().record(0).fields[0], "typed");
}

TEST(PagedGrid, AnUnsavedRowKeepsItsWarningWhileThePageMoves) {
  CatalogueFixture f(30);
  f.grid->markUnsaved(3, QStringLiteral("数据库只读"));
  EXPECT_EQ(f.bandColor(3), grid::kUnsavedColor);
  EXPECT_EQ(f.cellColor(3, grid::kCatName), grid::kUnsavedColor);
  EXPECT_EQ(f.cell("Lb2_3")->toolTip(), "未保存：数据库只读");
  f.grid->VS1()->setValue(2);
  EXPECT_EQ(f.bandColor(1), grid::kUnsavedColor);
  EXPECT_EQ(f.cell("Lb5_1")->toolTip(), "未保存：数据库只读");
  EXPECT_EQ(f.bandColor(3), QColor(255, 255, 255));
  EXPECT_EQ(f.cell("Lb2_3")->toolTip(), "");
  f.grid->markSaved(1);
  EXPECT_EQ(f.bandColor(1), QColor(255, 255, 255));
}

TEST(PagedGrid, AddShowsTheFirstBlankRowInCyanWithoutSelectingIt) {
  CatalogueFixture f(30);
  EXPECT_EQ(f.grid->showAddTarget(), 2);
  EXPECT_EQ(f.grid->VS1()->value(), 28);
  EXPECT_EQ(f.cell("Lb2_1")->text(), "r29");
  EXPECT_EQ(f.cell("Lb2_2")->text(), "");
  EXPECT_EQ(f.bandColor(2), QColor(0, 255, 255));
  EXPECT_EQ(f.grid->state().selectedRow(), -1);
  f.grid->setRecords(numbered(29, grid::kCatalogueFields));
  f.grid->showAfterDelete(28);
  EXPECT_EQ(f.grid->VS1()->value(), 27);
}

TEST(PagedGrid, SidewaysBarShiftsTheSurfaceUpToTheVerticalBar) {
  CatalogueFixture f(3);
  QScrollBar* bar = f.grid->HS1();
  bar->setValue(bar->maximum());
  EXPECT_EQ(f.grid->surface()->x(), -ui::px(2295));
  bar->setValue(0);
  EXPECT_EQ(f.grid->surface()->x(), 0);

  // A surface no wider than its viewport leaves the bar without range: nothing shifts.
  QWidget narrowWindow;
  grid::GridConfig narrow = grid::catalogueGrid();
  narrow.geometry.surfaceWidth = 13000;
  PagedGrid unshifted(narrow, &narrowWindow);
  EXPECT_FALSE(unshifted.HS1()->isEnabled());
  EXPECT_EQ(unshifted.HS1()->maximum(), 0);
  QScrollBar* still = unshifted.HS1();
  QTest::mouseClick(still, Qt::LeftButton, {}, QPoint(still->width() - 3, still->height() / 2));
  EXPECT_EQ(unshifted.surface()->x(), 0);

  // The outpatient log places the bar and gives it no work.
  QWidget logWindow;
  PagedGrid log(grid::outpatientLogGrid(), &logWindow);
  log.HS1()->setValue(log.HS1()->maximum());
  EXPECT_EQ(log.surface()->x(), 0);
}

TEST(PagedGrid, LabelWindowWithFewerRecordsThanRows) {
  QWidget window;
  PagedGrid log(grid::outpatientLogGrid(), &window);
  log.setRecords(grid::PagedGridState::fromCollections({{"张三", "李四"}, {"男", "女"}}));
  EXPECT_FALSE(log.VS1()->isEnabled());
  EXPECT_EQ(window.findChild<QLabel*>("Lb2_1")->text(), "李四");
  EXPECT_EQ(window.findChild<QLabel*>("Lb3_1")->text(), "女");
  EXPECT_EQ(window.findChild<QLabel*>("Lb2_2")->text(), "");
  EXPECT_EQ(window.findChild<QPushButton*>("Cm2_6")->text(), "备注");
  log.setRecords(log.state().fromCollections({QStringList(25, QStringLiteral("x"))}));
  EXPECT_TRUE(log.VS1()->isEnabled());
  EXPECT_EQ(log.VS1()->maximum(), 6);
}

TEST(PagedGrid, EveryMoneyAndQuantityColumnOfTheListWindowsShowsFiveWholeDigitsWhole) {
  const testing_support::ProgramFonts fonts;
  const QStringList numberCaptions = {"数量", "单价", "售价", "进价", "金额", "销售金额", "利润", "库存", "库存量"};
  const struct {
    const char* window;
    grid::GridConfig config;
  } grids[] = {
      {"catalogue", grid::catalogueGrid()},     {"purchase ledger", grid::purchaseLedgerGrid()},
      {"drug sales", grid::drugSalesGrid()},    {"purchase statistics", grid::purchaseStatisticsGrid()},
      {"sales details", grid::salesDetailGrid()},
  };
  for (const auto& g : grids) {
    QWidget window;
    window.resize(ui::px(16000), ui::px(10000));
    auto* grid = new PagedGrid(g.config, &window);
    grid::Record wide;
    wide.fields.assign(static_cast<size_t>(g.config.fieldCount), QStringLiteral("99999.999"));
    grid->setRecords({wide});
    window.show();
    int numbers = 0;
    for (int column = 0; column < g.config.columnCount(); ++column) {
      if (!numberCaptions.contains(g.config.columns[column].header) || g.config.columns[column].field < 0) continue;
      ++numbers;
      QWidget* cell = grid->cell(0, column);
      EXPECT_TRUE(testing_support::showsWhole(cell)) << g.window << " " << g.config.columns[column].header.toStdString();
    }
    EXPECT_GE(numbers, 2) << g.window;
  }
}

}  // namespace
