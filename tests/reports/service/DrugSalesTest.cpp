// Drug-sales totals: per drug and category prefix, the unit rule, rounding, the total row.
#include "reports/service/DrugSales.h"
#include "reports/service/ReportDates.h"
#include "reports/service/ReportsFixture.h"

namespace {

using DrugSalesTest = testing_support::ReportsTest;
using reports::DrugSalesRow;

QStringList cells(const DrugSalesRow& r) { return {r.name, r.quantity, r.unit, r.amount, r.profit}; }

TEST_F(DrugSalesTest, TotalsPerDrugOfTheCategoryPrefix) {
  const QString western = QStringLiteral("西成药·抗生素");
  addLine({"1", "阿莫西林[0.25g]", "2", "盒", "3.000", "1", western, "2019-01-05"});
  addLine({"2", "阿莫西林[0.25G]", "1", "盒", "1.500", "0.5", QStringLiteral("西成药·感冒"), "2019-01-06"});
  addLine({"3", "当归", "500", "g", "5.000", "1.25", QStringLiteral("中药"), "2019-01-05"});
  addLine({"4", "当归", "1000", "g", "10.000", "2.5", QStringLiteral("中药"), "2019-01-07 10:00:00"});
  addLine({"5", "挂号费", "1", "次", "1.000", "1", QStringLiteral("收费项目"), "2019-01-05"});
  addLine({"6", "阿莫西林[0.25g]", "9", "盒", "9.000", "9", western, "2019-02-05"});  // outside

  const auto western_ = reports::runDrugSales(stockDb, "2019-01-01", "2019-01-31", QStringLiteral(" 西成药 "));
  ASSERT_TRUE(western_.ran);
  ASSERT_EQ(western_.rows.size(), 2u);
  // Names that differ only in ASCII case are one drug, shown as first sold.
  EXPECT_EQ(cells(western_.rows[0]), (QStringList{"阿莫西林[0.25g]", "3", "盒", "4.50", "1.50"}));
  EXPECT_EQ(cells(western_.rows[1]), (QStringList{"合计", "", "", "4.50", "1.50"}));

  const auto herbal = reports::runDrugSales(stockDb, "2019-01-31", "2019-01-01", QStringLiteral("中药"));
  ASSERT_EQ(herbal.rows.size(), 2u);
  EXPECT_EQ(cells(herbal.rows[0]), (QStringList{"当归", "1.500", "kg", "15.00", "3.75"}));

  const auto all = reports::runDrugSales(stockDb, "2019-01-01", "2019-01-31", QString());
  EXPECT_EQ(all.rows.size(), 4u);
  EXPECT_EQ(all.rows.back().name, QStringLiteral("合计"));
  EXPECT_EQ(all.rows.back().amount, QStringLiteral("20.50"));
}

TEST_F(DrugSalesTest, RefusesLongRangesAndBadDatesWithoutReading) {
  const auto longRange = reports::runDrugSales(stockDb, "2019-01-01", "2019-02-03", "中药");
  EXPECT_FALSE(longRange.ran);
  EXPECT_EQ(longRange.message, reports::kRangeTooLongMessage);
  const auto exact = reports::runDrugSales(stockDb, "2019-02-02", "2019-01-01", "中药");
  EXPECT_TRUE(exact.ran);
  ASSERT_EQ(exact.rows.size(), 1u);  // "合计" alone
  EXPECT_EQ(cells(exact.rows[0]), (QStringList{"合计", "", "", "0.00", "0.00"}));
  const auto bad = reports::runDrugSales(stockDb, "2019-02-30", "2019-01-01", "中药");
  EXPECT_EQ(bad.message, reports::kBadDatesMessage);
}

// The tally alone: unit rule, rounding of the rows and of the total, signs.
TEST(DrugSalesTally, FiguresOfTheRowsAndTheTotal) {
  reports::DrugSalesTally tally;
  auto add = [&](const char* name, const char* unit, const char* qty, const char* amount, const char* profit) {
    tally.add({QString::fromUtf8(name), QString::fromUtf8(unit), QString::fromUtf8(qty), QString::fromUtf8(amount),
               QString::fromUtf8(profit)});
  };
  add("A", "g", "500", "1.254", "-1.5");
  add("A", "克", "1000", "", "");      // only the first line's unit counts
  add("B", "G", "1500", "2.254", "0");
  add("C", "", "x", "abc", "-0.001");  // not numbers add 0; a tiny loss is no "-0.00"
  add("D", "克", "2.5", "1 0", "1");   // blanks between digits are skipped
  const std::vector<DrugSalesRow> rows = tally.rows();
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(cells(rows[0]), (QStringList{"A", "1.500", "kg", "1.25", "-1.50"}));
  EXPECT_EQ(cells(rows[1]), (QStringList{"B", "1500", "G", "2.25", "0.00"}));
  EXPECT_EQ(cells(rows[2]), (QStringList{"C", "0", "", "0.00", "0.00"}));
  EXPECT_EQ(cells(rows[3]), (QStringList{"D", "2.5", "克", "10.00", "1.00"}));
  // 1.25 + 2.25 + 10.00 as shown, not 1.254 + 2.254 + 10 rounded.
  EXPECT_EQ(cells(rows[4]), (QStringList{"合计", "", "", "13.50", "-0.50"}));

  const std::vector<grid::Record> page = reports::drugSalesPage(rows);
  EXPECT_EQ(page[1].fields[4], QString());                   // "0.00" profit left empty
  EXPECT_EQ(page[0].fields[4], QStringLiteral("-1.50"));
  EXPECT_EQ(page[4].fields[0], QStringLiteral("合计"));
}

// The drugs come in the name order of the lists, as in the purchase statistics: digits and
// Latin letters first, then Chinese by pinyin; "合计" last.
TEST(DrugSalesTally, DrugsInTheNameOrderOfTheListsAndTheTotalLast) {
  reports::DrugSalesTally tally;
  for (const char* name : {"左氧氟沙星", "阿莫西林", "甲硝唑", "VC泡腾片", "5%葡萄糖", "板蓝根"})
    tally.add({QString::fromUtf8(name), "盒", "1", "1", "0"});
  QStringList names;
  for (const DrugSalesRow& row : tally.rows()) names << row.name;
  EXPECT_EQ(names, (QStringList{"5%葡萄糖", "VC泡腾片", "阿莫西林", "板蓝根", "甲硝唑", "左氧氟沙星", "合计"}));
}

TEST(DrugSalesTally, TwoAmountsRoundedBeforeTheTotal) {
  reports::DrugSalesTally tally;
  tally.add({"甲", "盒", "1", "1.254", "0"});
  tally.add({"乙", "盒", "1", "2.254", "0"});
  const auto rows = tally.rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].amount, QStringLiteral("1.25"));  // 甲 (jia) before 乙 (yi)
  EXPECT_EQ(rows[1].amount, QStringLiteral("2.25"));
  EXPECT_EQ(rows[2].amount, QStringLiteral("3.50"));
}

}  // namespace
