// The grid's amounts and money totals: drug sum apart from the fee sum, zero shown empty.
#include "prescription/service/GridTotals.h"

#include "prescription/service/PrescriptionState.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;

struct Row {
  QString quantity;
  QString price;
  QString category;
};

PricedGrid gridOf(std::initializer_list<Row> rows) {
  PricedGrid grid;
  int r = 0;
  for (const Row& row : rows) {
    grid[r][kName] = QStringLiteral("药%1").arg(r);
    grid[r][kQuantity] = row.quantity;
    grid[r][kPrice] = row.price;
    grid[r][kCategory] = row.category;
    ++r;
  }
  return grid;
}

TEST(RecalcTotals, SumsDrugsAndFeesApart) {
  const QString drug = "中药";
  const QString fee = "收费项目";
  struct Case {
    const char* what;
    PricedGrid grid;
    QStringList amounts;  // of the first rows
    QString drugFee;
    QString otherFee;
    QString total;
  };
  const Case cases[] = {
      {"2 x 1.5", gridOf({{"2", "1.5", drug}}), {"3.000"}, "3.00", "", "3.00"},
      {"a quantity that is no number, or none, gives no amount", gridOf({{"abc", "1.5", drug}, {"", "2", drug}}),
       {"", ""}, "", "", ""},
      {"fee items count apart", gridOf({{"2", "1.5", fee}, {"1", "4", drug}}), {"3.000", "4.000"}, "4.00", "3.00",
       "7.00"},
      {"only the exact category is a fee", gridOf({{"2", "1.5", fee + " "}}), {"3.000"}, "3.00", "", "3.00"},
      {"0.1 + 0.2 in drug rows", gridOf({{"1", "0.1", drug}, {"1", "0.2", drug}}), {"0.100", "0.200"}, "0.30", "",
       "0.30"},
      {"0.1 + 0.2 in fee rows", gridOf({{"1", "0.1", fee}, {"1", "0.2", fee}}), {"0.100", "0.200"}, "", "0.30",
       "0.30"},
      {"half a cent rounds away from zero", gridOf({{"1.5", "1.45", drug}}), {"2.175"}, "2.18", "", "2.18"},
      {"an amount under a thousandth is empty", gridOf({{"0.001", "0.1", drug}}), {""}, "", "", ""},
      {"a total below half a cent is empty", gridOf({{"0.004", "1", drug}}), {"0.004"}, "", "", ""},
      {"a sign is no digit: -2 prices as 0", gridOf({{"-2", "15", drug}, {"1", "-5", fee}, {"1", "5", fee}}),
       {"", "", "5.000"}, "", "5.00", "5.00"},
      {"all empty", PricedGrid{}, {"", ""}, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const GridTotals totals = RecalcTotals(c.grid);
    for (int r = 0; r < c.amounts.size(); ++r) EXPECT_EQ(totals.amounts[r], c.amounts[r]) << r;
    EXPECT_EQ(totals.drugFee, c.drugFee);
    EXPECT_EQ(totals.otherFee, c.otherFee);
    EXPECT_EQ(totals.total, c.total);
  }
}

TEST(RecalcTotals, OverwritesTypedAmountsAndCountsRowsWithoutAName) {
  PricedGrid grid = gridOf({{"2", "1.5", "中药"}});
  grid[0][kAmount] = "99";  // typed by hand: never counts
  grid[5][kQuantity] = "1";  // a row without a name still gets its amount
  grid[5][kPrice] = "1";
  const GridTotals totals = RecalcTotals(grid);
  EXPECT_EQ(totals.amounts[0], "3.000");
  EXPECT_EQ(totals.amounts[5], "1.000");
  EXPECT_EQ(totals.drugFee, "4.00");

  // Every one of the 71 rows counts.
  PricedGrid full;
  for (PricedRow& row : full) {
    row[kQuantity] = "1";
    row[kPrice] = "0.1";
  }
  EXPECT_EQ(RecalcTotals(full).drugFee, "7.10");
}

TEST(RecalcTotals, AppliedToTheStateLeavesTheTotalFieldEqualToTheGridTotal) {
  PrescriptionState s;
  s.grid = gridOf({{"2", "1.5", "中药"}, {"1", "2", "收费项目"}});
  s.header[header::kTotal] = "99.00";
  applyTotals(s, RecalcTotals(s.grid));
  EXPECT_EQ(s.grid[0][kAmount], "3.000");
  EXPECT_EQ(s.header[header::kDrugFee], "3.00");
  EXPECT_EQ(s.header[header::kOtherFee], "2.00");
  EXPECT_EQ(s.total, "5.00");
  EXPECT_EQ(s.header[header::kTotal], s.total);
}

}  // namespace
