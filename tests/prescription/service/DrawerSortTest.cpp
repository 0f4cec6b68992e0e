// The drawer sort: rows as records, drawer first as text, then the rest of the row.
#include "prescription/service/DrawerSort.h"

#include <QStringList>

#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace prescription;

PricedRow row(const QString& name, const QString& drawer, const QString& quantity = "10") {
  return {name, quantity, "g", "0.5", "", "100", "中药", drawer, "0.3"};
}

QStringList names(const PricedGrid& grid) {
  QStringList out;
  for (const PricedRow& r : grid)
    if (rowInUse(r)) out << r[kName];
  return out;
}

TEST(DrawerSort, OrdersRowsByDrawerAsTextThenByTheRestOfTheRow) {
  struct Case {
    const char* what;
    std::vector<PricedRow> rows;
    QStringList order;
  };
  const Case cases[] = {
      {"text order, not numeric", {row("甲", "B2"), row("乙", "A10"), row("丙", "A2")}, {"乙", "丙", "甲"}},
      {"letter case aside", {row("甲", "b1"), row("乙", "A2"), row("丙", "a1")}, {"丙", "乙", "甲"}},
      {"the same drawer: by name, then quantity",
       {row("b", "A1", "2"), row("a", "A1"), row("b", "A1", "1")}, {"a", "b", "b"}},
      {"a $ in a cell is only text", {row("当归$炒", "A2"), row("白芍", "A1$")}, {"白芍", "当归$炒"}},
      {"no drawer comes first", {row("甲", "A1"), row("乙", "")}, {"乙", "甲"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PricedGrid grid;
    for (std::size_t i = 0; i < c.rows.size(); ++i) grid[i] = c.rows[i];
    const PricedGrid sorted = sortByDrawer(grid);
    EXPECT_EQ(names(sorted), c.order);
  }
  // Whole rows move, quantity included.
  PricedGrid grid;
  grid[0] = row("b", "A1", "2");
  grid[1] = row("b", "A1", "1");
  EXPECT_EQ(sortByDrawer(grid)[0], row("b", "A1", "1"));
}

TEST(DrawerSort, DropsRowsWithoutANameAndClosesUp) {
  PricedGrid grid;
  grid[0] = row("甲", "B1");
  grid[1] = row("  ", "A1");    // a blank name counts as none
  grid[2][kQuantity] = "3";     // text in a row without a name
  grid[40] = row("乙", "A1");
  grid[70] = row("丙", "C1");
  const PricedGrid sorted = sortByDrawer(grid);
  EXPECT_EQ(names(sorted), (QStringList{"乙", "甲", "丙"}));
  for (int r = 3; r < kGridRows; ++r) EXPECT_EQ(sorted[r], PricedRow{}) << r;
}

}  // namespace
