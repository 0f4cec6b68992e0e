#include "purchasing/service/PurchaseStatistics.h"
#include "text/DateRange.h"
#include "purchasing/service/PurchaseFixture.h"

#include <gmock/gmock.h>

namespace {

using purchasing::StatisticsLine;

class PurchaseStatisticsTest : public testing_support::PurchaseStoreTest {
 protected:
  void addReceipt(const QString& date, const QString& name, const QString& unit, const QString& quantity,
                  const QString& amount, const QString& category) {
    store::Database d(stockPath);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "进货管理" ("日期", "品名", "单位", "数量", "备注", "分类", "序号")
                                   VALUES (?, ?, ?, ?, ?, ?, '20190101000000'))");
    const QString values[] = {date, name, unit, quantity, amount, category};
    for (int i = 0; i < 6; ++i) store::bindText(q, i + 1, values[i]);
    q.exec();
  }
  std::vector<StatisticsLine> run(const QString& category, const QString& from, const QString& to) {
    return purchasing::purchaseStatistics(stockPath, category, *text::readDateRange(from, to).range);
  }
};

MATCHER_P4(Line, name, quantity, unit, amount, "") {
  return arg.name == name && arg.quantity == quantity && arg.unit == unit && arg.amount == amount;
}

TEST(GramsToKilogramsTest, OnlyALowerCaseGIsConverted) {
  struct Case {
    const char* unit;
    double sum;
    const char* quantity;
    const char* shownUnit;
  } cases[] = {
      {"g", 2500, "2.500", "kg"}, {"g", 125, "0.125", "kg"}, {"G", 2000, "2000", "G"},
      {" g", 12.5, "12.5", " g"}, {"", 0, "0", ""},          {"盒", 100, "100", "盒"},
  };
  for (const Case& c : cases) {
    const auto shown = purchasing::GramsToKilograms(QString::fromUtf8(c.unit), c.sum);
    EXPECT_EQ(shown.quantity, QString::fromUtf8(c.quantity)) << c.unit;
    EXPECT_EQ(shown.unit, QString::fromUtf8(c.shownUnit)) << c.unit;
  }
}

// Sums per drug with the first row's unit, rounded amounts added up for "合计", both
// ends of the range counted, and the other category left out.
TEST_F(PurchaseStatisticsTest, SumsPerDrugWithinCategoryAndRange) {
  addReceipt("2019-02-01", "当归", "g", "1500", "1.254", "中药");
  addReceipt("2019-02-15", "当归", "kg", "500", "0", "中药");
  addReceipt("2019-03-05", "黄芪", "G", "2000", "2.254", "中药");
  addReceipt("2019-03-06", "黄芪", "G", "1", "0", "中药");  // after the range
  addReceipt("2019-01-31", "当归", "g", "9999", "9", "中药");  // before the range
  addReceipt("2019-02-10", "阿莫西林", "盒", "3", "30", "西成药");
  addReceipt("2019-02-10", "白芍", "g", "abc", "x", "中药");

  EXPECT_THAT(run("中药", "2019-03-05", "2019-02-01"),
              testing::ElementsAre(Line("白芍", "0.000", "kg", "0.00"), Line("当归", "2.000", "kg", "1.25"),
                                   Line("黄芪", "2000", "G", "2.25"), Line("合计", "", "", "3.50")));
  EXPECT_THAT(run("西成药", "2019-02-01", "2019-03-05"),
              testing::ElementsAre(Line("阿莫西林", "3", "盒", "30.00"), Line("合计", "", "", "30.00")));
  EXPECT_THAT(run("中", "2019-02-01", "2019-03-05"), testing::ElementsAre(Line("合计", "", "", "0.00")));
}

// Drugs come in the name order of the lists: digits and Latin letters first, then Chinese
// by pinyin, not by code point; names that differ only in the case of Latin letters are
// one drug; the closing line stays last, also after names that sort after "合计".
TEST_F(PurchaseStatisticsTest, DrugsComeInPinyinOrderAndTheTotalLast) {
  for (const char* name : {"左氧氟沙星", "阿莫西林", "维生素C", "甲硝唑", "VC泡腾片", "vc泡腾片", "5%葡萄糖", "板蓝根"})
    addReceipt("2019-02-01", QString::fromUtf8(name), "盒", "1", "2", "西成药");
  std::vector<QString> names;
  for (const StatisticsLine& line : run("西成药", "2019-02-01", "2019-02-01")) names.push_back(line.name);
  EXPECT_THAT(names, testing::ElementsAre("5%葡萄糖", "VC泡腾片", "阿莫西林", "板蓝根", "甲硝唑", "维生素C",
                                          "左氧氟沙星", "合计"));
}

}  // namespace
