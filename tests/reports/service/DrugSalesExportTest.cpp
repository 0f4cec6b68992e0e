// The drug-sales sheet read back by xlrd: captions, "0.00" kept as a number format,
// the total row last.
#include "reports/service/DrugSales.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "support/TempFolder.h"
#include "support/XlrdReadBack.h"

#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

TEST(DrugSalesExport, SheetOfTheHiddenLists) {
  reports::DrugSalesTally tally;
  tally.add({"当归", "g", "500", "1.254", "0"});
  tally.add({"阿莫西林", "盒", "2", "3", "-1.5"});
  testing_support::TempFolder folder;
  const QString path = folder.sub("sales.xls");
  ASSERT_TRUE(spreadsheet::SpreadsheetWriter::save(reports::drugSalesWorkbook(tally.rows()), path).ok);
  const QJsonObject book = testing_support::xlrdReadBack(path);
  ASSERT_TRUE(book[u"ok"].toBool()) << book[u"error"].toString().toStdString();
  const QJsonArray rows = book[u"sheets"].toArray()[0].toObject()[u"rows"].toArray();
  ASSERT_GE(rows.size(), 4);
  QStringList captions;
  for (const auto& c : rows[0].toArray()) captions << c.toObject()[u"value"].toString();
  EXPECT_EQ(captions, (QStringList{"药品名称", "数量", "单位", "销售金额", "利润"}));
  const QJsonArray dang = rows[2].toArray();  // 阿莫西林 (a) sorts first
  EXPECT_EQ(dang[0].toObject()[u"value"].toString(), QStringLiteral("当归"));
  EXPECT_EQ(dang[1].toObject()[u"format"].toString(), QStringLiteral("0.000"));  // "0.500" kg
  EXPECT_EQ(dang[4].toObject()[u"type"].toString(), QStringLiteral("number"));   // "0.00" kept
  EXPECT_EQ(dang[4].toObject()[u"format"].toString(), QStringLiteral("0.00"));
  const QJsonArray total = rows[3].toArray();
  EXPECT_EQ(total[0].toObject()[u"value"].toString(), QStringLiteral("合计"));
  EXPECT_DOUBLE_EQ(total[3].toObject()[u"value"].toDouble(), 4.25);
  EXPECT_DOUBLE_EQ(total[4].toObject()[u"value"].toDouble(), -1.5);
}

}  // namespace
