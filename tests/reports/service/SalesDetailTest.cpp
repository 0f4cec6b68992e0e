// The sales-detail list: literal filters, category prefix, order, the 30000-line cap,
// the shown profit and the exported sheet read back by xlrd.
#include "reports/service/ReportDates.h"
#include "reports/service/ReportsFixture.h"
#include "reports/service/SalesDetail.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "store/SalesReports.h"
#include "support/XlrdReadBack.h"

#include <QJsonArray>

namespace {

using SalesDetailTest = testing_support::ReportsTest;
using Kind = reports::SalesDetailOutcome::Kind;

QStringList names(const reports::SalesDetailOutcome& out) {
  QStringList n;
  for (const grid::Record& r : out.records) n << r.fields[1];
  return n;
}

TEST_F(SalesDetailTest, FiltersAreLiteralIgnoreAsciiCaseAndKeepPrescriptionOrder) {
  const QString w = QStringLiteral("西成药·抗生素");
  addLine({"20190105100000B", "Vitamin C[100mg]", "2", "片", "0.400", "0.2", w, "2019-01-05"});
  addLine({"20190105090000A", "阿莫西林", "1", "盒", "1.500", "1.5", w, "2019-01-05 09:00:00"});
  addLine({"20190105090000A", "50%葡萄糖", "1", "支", "1.500", "x", w, "2019-01-05"});
  addLine({"20190105110000C", "当归", "10", "g", "1.000", "-1.5", QStringLiteral("中药"), "2019-01-05"});
  struct Case {
    reports::SalesDetailQuery query;
    QStringList expected;
  } cases[] = {
      {{"2019-01-05", "2019-01-05", "", "", "", "西成药"}, {"阿莫西林", "50%葡萄糖", "Vitamin C[100mg]"}},
      {{"2019-01-05", "2019-01-05", "vitamin", "", "", "西成药"}, {"Vitamin C[100mg]"}},
      {{"2019-01-05", "2019-01-05", "%", "", "", ""}, {"50%葡萄糖"}},  // "%" is a character
      {{"2019-01-05", "2019-01-05", "_", "", "", ""}, {}},
      {{"2019-01-05", "2019-01-05", "'", "", "", ""}, {}},
      {{"2019-01-06", "2019-01-01", "", "", "", "中药"}, {"当归"}},  // reversed bounds
      {{"2019-01-05", "2019-01-05", "", "李", "王", ""}, {"阿莫西林", "50%葡萄糖", "Vitamin C[100mg]", "当归"}},
  };
  for (const Case& c : cases) {
    const reports::SalesDetailOutcome out = reports::runSalesDetail(stockDb, c.query);
    EXPECT_EQ(out.kind, Kind::Listed);
    EXPECT_EQ(names(out), c.expected) << c.query.name.toStdString() << c.query.category.toStdString();
  }
  const auto all = reports::runSalesDetail(stockDb, {"2019-01-05", "2019-01-05", "", "", "", ""});
  EXPECT_EQ(all.records[0].fields[0], QStringLiteral("2019-01-05"));  // time of day not shown

  EXPECT_EQ(reports::runSalesDetail(stockDb, {"2019-1-32", "2019-01-05", "", "", "", ""}).kind, Kind::BadDates);
}

TEST_F(SalesDetailTest, CapsAtThirtyThousandLines) {
  {
    store::Database stock(stockDb);
    stock.exec(QStringLiteral(
        R"(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000))"
        R"( INSERT INTO "销售管理" ("ID号", "名称", "数量", "分类", "日期", "医师", "患者"))"
        R"( SELECT printf('%014d', i), '阿莫西林', '1', '西成药·抗生素', '2019-01-05', '王', '李' FROM n;)"));
  }
  const reports::SalesDetailQuery q{"2019-01-05", "2019-01-05", "", "", "", "西成药"};
  const auto full = reports::runSalesDetail(stockDb, q);
  EXPECT_EQ(full.kind, Kind::Listed);
  EXPECT_EQ(full.records.size(), 30000u);

  addLine({"X", "阿莫西林", "1", "盒", "1", "1", QStringLiteral("西成药·抗生素"), "2019-01-05"});
  const auto over = reports::runSalesDetail(stockDb, q);
  EXPECT_EQ(over.kind, Kind::TooMany);
  EXPECT_EQ(over.message, reports::kTooManyLinesMessage);
  EXPECT_TRUE(over.records.empty());
}

TEST(SalesDetailProfit, ShownInTwoDecimalsWhenANumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.5", "1.50"}, {"-1.5", "-1.50"}, {"-0.001", "0.00"}, {"3", "3.00"}, {"", ""}, {"abc", "abc"}, {"12元", "12元"}};
  for (const auto& [stored, shown] : cases) EXPECT_EQ(reports::shownProfit(stored), QString::fromUtf8(shown)) << stored;
}

TEST(SalesDetailExport, NumbersBecomeNumberCellsKeepingTheirDecimals) {
  testing_support::TempFolder folder;
  const QString path = folder.sub("detail.xls");
  std::vector<grid::Record> records{
      {{"2019-01-05", "阿莫西林[0.25g]", "2", "盒", "1.000", "1.500", "3.000", "1.5", "李四", "王医师"}, {}},
      {{"2019-01-06", "当归", "10", "g", "0.100", "0.120", "1.200", "0.2", "007", ""}, {}}};
  ASSERT_TRUE(spreadsheet::SpreadsheetWriter::save(reports::salesDetailWorkbook(records), path).ok);
  const QJsonObject book = testing_support::xlrdReadBack(path);
  ASSERT_TRUE(book[u"ok"].toBool()) << book[u"error"].toString().toStdString();
  const QJsonArray rows = book[u"sheets"].toArray()[0].toObject()[u"rows"].toArray();
  ASSERT_GE(rows.size(), 3);
  EXPECT_EQ(rows[0].toArray()[1].toObject()[u"value"].toString(), QStringLiteral("药品名称"));
  EXPECT_TRUE(rows[0].toArray()[1].toObject()[u"bold"].toBool());
  const QJsonArray first = rows[1].toArray();
  EXPECT_EQ(first[0].toObject()[u"type"].toString(), QStringLiteral("text"));   // a date stays text
  EXPECT_EQ(first[4].toObject()[u"type"].toString(), QStringLiteral("number"));
  EXPECT_EQ(first[4].toObject()[u"format"].toString(), QStringLiteral("0.000"));
  EXPECT_DOUBLE_EQ(first[7].toObject()[u"value"].toDouble(), 1.5);               // profit as stored
  EXPECT_EQ(rows[2].toArray()[8].toObject()[u"type"].toString(), QStringLiteral("text"));  // "007" is no number
  EXPECT_EQ(rows[2].toArray()[8].toObject()[u"value"].toString(), QStringLiteral("007"));
}

}  // namespace
