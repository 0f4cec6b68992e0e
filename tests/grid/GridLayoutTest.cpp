// Where the built rows, rules and bars stand, from the design row 0 in twips.
#include "grid/BusyFlag.h"
#include "grid/GridLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(GridLayout, CatalogueRowsRulesAndFrame) {
  const grid::GridConfig config = grid::catalogueGrid();
  const grid::GridLayout layout(config);
  struct Row {
    int row, band, cell, rule;
  } rows[] = {{0, 240, 300, 540}, {1, 540, 615, 855}, {2, 855, 930, 1170}, {20, 6525, 6600, 6840}};
  for (const Row& r : rows) {
    EXPECT_EQ(layout.bandTop(r.row), r.band) << r.row;
    EXPECT_EQ(layout.cellTop(r.row), r.cell) << r.row;
    EXPECT_EQ(layout.ruleY(r.row), r.rule) << r.row;
  }
  EXPECT_EQ(layout.band(7), QRect(-60, 7 * 315 + 225, 15135, 315));
  EXPECT_EQ(layout.cell(3, grid::kCatCost), QRect(10740, 3 * 315 + 300, 735, 225));
  EXPECT_EQ(layout.surfaceHeight(), 6840);
  EXPECT_EQ(layout.pageHeight(), 6525);  // the 20 rows above the sideways bar
  EXPECT_EQ(layout.viewport(), QRect(120, 1200, 13695, 6900));
  EXPECT_EQ(layout.verticalBar(), QRect(13380, 0, 255, 6840));
  EXPECT_EQ(layout.horizontalBar(), QRect(480, 6585, 6555, 255));
  EXPECT_EQ(layout.separatorX(1), 15105);  // closes the band
  EXPECT_EQ(layout.separatorX(2), 2865);
  EXPECT_EQ(layout.separatorX(12), 14865);
  EXPECT_EQ(layout.sidewaysOverflow(), 2295);
}

// A page holds the rows whose band ends above the sideways bar; a grid without one shows
// every designed row.
TEST(GridLayout, APageHoldsTheRowsClearOfTheSidewaysBar) {
  const struct {
    const char* window;
    grid::GridConfig config;
    int pageRows;
  } grids[] = {
      {"catalogue", grid::catalogueGrid(), 20},          {"outpatient log", grid::outpatientLogGrid(), 19},
      {"drug sales", grid::drugSalesGrid(), 15},         {"purchase statistics", grid::purchaseStatisticsGrid(), 15},
      {"sales details", grid::salesDetailGrid(), 24},    {"purchase ledger", grid::purchaseLedgerGrid(), 25},
  };
  for (const auto& g : grids) {
    const grid::GridLayout layout(g.config);
    EXPECT_EQ(layout.pageRows(), g.pageRows) << g.window;
    const QRect lastBand = layout.band(layout.pageRows() - 1);
    EXPECT_LE(lastBand.y() + lastBand.height(), layout.viewportHeight()) << g.window;
    if (g.config.sideways != grid::SidewaysBar::None) {
      EXPECT_LE(lastBand.y() + lastBand.height(), layout.horizontalBar().y()) << g.window;
    }
  }
}

TEST(GridLayout, SidewaysShiftEndsWithTheSurfaceAgainstTheBar) {
  struct Case {
    int value, max, overflow, left;
  } cases[] = {{0, 153, 2295, 0}, {153, 153, 2295, -2295}, {51, 153, 2295, -765}, {0, 0, 2295, 0}, {5, 0, 2295, 0},
               {10, 10, 0, 0}};
  for (const Case& c : cases) EXPECT_EQ(grid::surfaceLeft(c.value, c.max, c.overflow), c.left) << c.value << "/" << c.max;
}

TEST(BusyFlag, StaysSetUntilTheOutermostHolderEnds) {
  grid::BusyFlag flag;
  EXPECT_FALSE(flag.isSet());
  {
    const auto reload = flag.hold();
    {
      const auto pageShow = flag.hold();
      EXPECT_TRUE(flag.isSet());
    }
    EXPECT_TRUE(flag.isSet()) << "the reload still fills its cells";
  }
  EXPECT_FALSE(flag.isSet());
}

}  // namespace
