// Every paged list window drawn offscreen over more records than a page holds: each row
// of each page stands whole in its viewport, clear of the sideways bar and of the
// window's other controls, and takes a click; paging with the bar's key shows every
// record, a page at a time, and the "合计" closes the last page.
#include "shell/ShellFixture.h"

#include "store/Database.h"
#include "text/Dates.h"
#include "ui/PagedGrid.h"
#include "ui/Window.h"

#include <QDate>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <map>

namespace {

constexpr int kRecords = 45;

class PagedListWindowsTest : public testing_support::ShellFixture {
 protected:
  void SetUp() override {
    start();
    login();
    const QString today = text::isoDate(QDate::currentDate());
    // kRecords drugs, each in the catalogue, received, sold and prescribed today.
    execMain(QStringLiteral(R"(DELETE FROM "商品"; DELETE FROM "档案";)"));
    const QString numbers =
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) ").arg(kRecords);
    execMain(numbers + R"(INSERT INTO "商品" ("ID号", "名称", "拼音", "分类", "查询")
                          SELECT i, printf('药%02d', i), 'y', '西成药·抗生素', printf('药%02d-y-1$', i) FROM n;)");
    execMain(numbers + QStringLiteral(R"(INSERT INTO "档案" ("序号", "0", "1", "2", "5", "6")
                          SELECT printf('%1-%06d', i), printf('病人%02d', i), '男', '40岁', '%1', '头痛' FROM n;)")
                           .arg(today));
    store::Database stock(state.stockDbPath);
    stock.exec(numbers + QStringLiteral(
                             R"(INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类",)"
                             R"( "日期", "医师", "利润", "患者") SELECT printf('2019%010d', i), printf('药%02d', i), '2',)"
                             R"( '盒', '1.5', '3.000', '1', '西成药·抗生素', '%1', '王医师', '1', '李四' FROM n;)")
                             .arg(today));
    stock.exec(numbers + QStringLiteral(R"(INSERT INTO "进货管理" ("日期", "品名", "单位", "数量", "备注", "分类", "序号"))"
                                        R"( SELECT '%1', printf('药%02d', i), '盒', '10', '12', '西成药', i FROM n;)")
                             .arg(today));
  }

  // Opens the window from its menu item and runs its query where opening does not.
  ui::Window& open(const char* menu, const char* name, const char* queryButton) {
    chooseFromMenu(QString::fromUtf8(menu));
    ui::Window* form = session->windows.find(QString::fromLatin1(name));
    if (!form) throw std::logic_error(std::string("not opened: ") + name);
    if (*queryButton) QTest::mouseClick(named<QWidget>(*form, QString::fromLatin1(queryButton)), Qt::LeftButton);
    return *form;
  }
};

// Each row of the page shown: its band inside the viewport and above the sideways bar,
// and its first cell the control a click at its centre reaches in the window.
void expectEveryRowWhole(ui::Window& form, ui::PagedGrid& grid) {
  const QScrollBar* sideways = grid.HS1();
  const int floor = sideways && sideways->isVisibleTo(&grid) ? sideways->y() : grid.height();
  for (int row = 0; row < grid.rows(); ++row) {
    const QLabel* band = grid.band(row);
    const QRect inViewport(band->mapTo(&grid, QPoint(0, 0)), band->size());
    EXPECT_GE(inViewport.top(), 0) << row;
    EXPECT_LE(inViewport.top() + inViewport.height(), floor) << form.objectName().toStdString() << " row " << row;
    QWidget* first = grid.cell(row, 0);
    const QPoint centre = first->mapTo(&form, first->rect().center());
    EXPECT_TRUE(form.rect().contains(centre)) << row;
    EXPECT_EQ(form.childAt(centre), first) << form.objectName().toStdString() << " row " << row;
  }
}

TEST_F(PagedListWindowsTest, EveryRowOfEveryPageReadsWholeAndPagingShowsEachRecord) {
  const struct {
    const char* menu;
    const char* name;
    const char* queryButton;
    int records;        // what the query lists
    bool totalRow;      // its last record is the "合计"
    bool selects;       // a click lights the row
  } windows[] = {
      {"药物维护", "Form3", "", kRecords, false, true},
      {"日志报表", "Form7", "", kRecords, false, false},
      {"用药统计", "Form13", "Command1", kRecords + 1, true, false},
      {"销售明细管理", "Form15", "", kRecords, false, true},
      {"进货统计", "Form16", "Command1", kRecords + 1, true, false},
      {"进药管理", "Form17", "", kRecords, false, true},
  };
  for (const auto& w : windows) {
    SCOPED_TRACE(w.name);
    ui::Window& form = open(w.menu, w.name, w.queryButton);
    auto* grid = form.findChild<ui::PagedGrid*>();
    ASSERT_NE(grid, nullptr);
    const grid::PagedGridState& state = grid->state();
    ASSERT_EQ(state.recordCount(), w.records);
    QScrollBar* bar = grid->VS1();
    ASSERT_TRUE(bar->isEnabled());
    EXPECT_EQ(bar->pageStep(), grid->rows());

    std::map<int, int> timesShown;
    std::vector<int> pageStarts;
    for (;;) {
      expectEveryRowWhole(form, *grid);
      pageStarts.push_back(state.firstVisible());
      for (int row = 0; row < grid->rows(); ++row)
        if (const int record = state.recordAt(row); record >= 0 && record < state.recordCount()) ++timesShown[record];
      if (bar->value() == bar->maximum()) break;
      QTest::keyClick(bar, Qt::Key_PageDown);
      ASSERT_GT(state.firstVisible(), pageStarts.back());
    }
    // A page down moves by the rows shown, so no record is passed over; only the last
    // page, which ends with the last record, may show again some of the page before.
    for (size_t i = 1; i + 1 < pageStarts.size(); ++i) EXPECT_EQ(pageStarts[i] - pageStarts[i - 1], grid->rows());
    for (int record = 0; record < w.records; ++record) {
      EXPECT_GE(timesShown[record], 1) << "record " << record;
      if (record < pageStarts.back()) {
        EXPECT_EQ(timesShown[record], 1) << "record " << record;
      }
    }
    const int lastRow = grid->rows() - 1;
    if (w.totalRow) {
      EXPECT_EQ(state.cellText(lastRow, 0), QStringLiteral("合计"));
    }

    // The last row takes a click.
    QTest::mouseClick(grid->cell(lastRow, 0), Qt::LeftButton);
    EXPECT_EQ(state.highlightedRow(), w.selects ? lastRow : -1);
    session->windows.unload(QString::fromLatin1(w.name));
  }
}

}  // namespace
