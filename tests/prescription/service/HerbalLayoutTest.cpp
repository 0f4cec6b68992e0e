// The herbal layout: entries cut at the unit characters, 13-column cells four to a row,
// the tail kept, the summary, and a second layout changing nothing; firstNumberIn and
// withoutNumbers.
#include "prescription/service/HerbalLayout.h"

#include <gtest/gtest.h>

namespace {

using prescription::herbalLayout;

QString blanks(int n) { return QString(n, u' '); }

TEST(HerbalLayout, LaysEntriesOutInCellsAndKeepsTheTail) {
  struct Case {
    const char* what;
    QString text;
    QString laidOut;
    QStringList entries;
    QString tail;
    QString summary;
    bool stable = true;  // laying the result out again changes nothing
  };
  const Case cases[] = {
      {"four cells to a row, the fifth after a blank line",
       "当归10g 白芍10g 川芎10g 熟地10g 甘草5g",
       "当归10g" + blanks(6) + "白芍10g" + blanks(6) + "川芎10g" + blanks(6) + "熟地10g" + blanks(6) +
           "\r\n\r\n甘草5g" + blanks(7),
       {"当归10g", "白芍10g", "川芎10g", "熟地10g", "甘草5g"}, "", "中药共 5 味  重量：45g"},
      {"an entry of 14 columns takes a single blank",
       "鸡血藤膏100.5g 当归10g", "鸡血藤膏100.5g " + QString("当归10g") + blanks(6),
       {"鸡血藤膏100.5g", "当归10g"}, "", "中药共 2 味  重量：110.5g"},
      {"a unit character inside a name ends an entry there",
       "条芩10g", "条" + blanks(11) + "芩10g" + blanks(8), {"条", "芩10g"}, "", "中药共 2 味  重量：10g"},
      {"an upper-case G is no unit",
       "黄芪30G 当归10g", "黄芪30G 当归10g ", {"黄芪30G 当归10g"}, "", "中药共 1 味  重量：30g"},
      {"a typed $ ends an entry and goes",
       "当归$白芍10g", "当归" + blanks(9) + "白芍10g" + blanks(6), {"当归", "白芍10g"}, "", "中药共 2 味  重量：10g",
       false},  // the $ is gone, so a second layout sees one entry
      {"the fee lines after the herbs stay; the padding before them goes",
       "当归10g  白芍10g  \r\n\r\n挂号费\r\n诊查费\r\n",
       "当归10g" + blanks(6) + "白芍10g" + blanks(6) + "\r\n\r\n挂号费\r\n诊查费\r\n", {"当归10g", "白芍10g"},
       "\r\n\r\n挂号费\r\n诊查费\r\n", "中药共 2 味  重量：20g"},
      {"a tail that starts with other than a blank is kept whole",
       "当归10g\t备注", "当归10g" + blanks(6) + "\t备注", {"当归10g"}, "\t备注", "中药共 1 味  重量：10g"},
      {"the weight in its plain form", "当归5g 白芍2.5g", "当归5g" + blanks(7) + "白芍2.5g" + blanks(5),
       {"当归5g", "白芍2.5g"}, "", "中药共 2 味  重量：7.5g"},
      {"every entry's number adds to the weight, whatever its unit; one without digits adds 0",
       "大枣5枚 灯心一条 当归10g", "大枣5枚" + blanks(6) + "灯心一条" + blanks(5) + "当归10g" + blanks(6),
       {"大枣5枚", "灯心一条", "当归10g"}, "", "中药共 3 味  重量：15g"},
      {"line breaks inside an entry go", "当归10g\r\n白芍\r\n10g", "当归10g" + blanks(6) + "白芍10g" + blanks(6),
       {"当归10g", "白芍10g"}, "", "中药共 2 味  重量：20g"},
      {"two ends in a row hold no entry", "当归10g$$白芍10g", "当归10g" + blanks(6) + "白芍10g" + blanks(6),
       {"当归10g", "白芍10g"}, "", "中药共 2 味  重量：20g"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const prescription::HerbalLayout layout = herbalLayout(c.text);
    EXPECT_EQ(layout.text, c.laidOut);
    EXPECT_EQ(layout.entries, c.entries);
    EXPECT_EQ(layout.tail, c.tail);
    EXPECT_EQ(layout.summary, c.summary);
    // The caret stands after the last cell, in front of the tail.
    EXPECT_EQ(layout.caret, layout.text.size() - layout.tail.size());

    // Laying the laid-out text out again changes nothing, nor adds any blank.
    if (!c.stable) continue;
    const prescription::HerbalLayout again = herbalLayout(layout.text);
    EXPECT_EQ(again.text, layout.text);
    EXPECT_EQ(again.caret, layout.caret);
    EXPECT_EQ(again.entries, layout.entries);
    EXPECT_EQ(again.summary, layout.summary);
  }
}

TEST(HerbalLayout, LeavesATextWithoutUnitsAlone) {
  for (const QString& text : {QString(), QString("口服 每日3次\r\n"), QString("$ $")}) {
    const prescription::HerbalLayout layout = herbalLayout(text);
    EXPECT_EQ(layout.text, text);
    EXPECT_TRUE(layout.entries.isEmpty());
    EXPECT_FALSE(layout.summary.has_value());  // the summary keeps what it showed
    EXPECT_EQ(layout.caret, 0);
  }
}

TEST(FirstNumberIn, GivesTheNumberFromTheFirstDigitOrPoint) {
  const std::pair<QString, QString> cases[] = {
      {"每日3次", "3"}, {".5g", "0.5"}, {"1.2.3", "1.2"}, {"无数字", ""}, {"", ""},
      {"当归10g", "10"}, {"黄芪12.50g", "12.5"}, {"剂.", "0"}, {"共 1 5 g", "15"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(prescription::firstNumberIn(in), out) << in.toStdString();
}

TEST(WithoutNumbers, RemovesDigitsWithThePointsThatFollowThem) {
  const std::pair<QString, QString> cases[] = {
      {"ab12cd", "abcd"}, {"3.5g", "g"}, {"当归 12.5g", "当归 g"}, {"1..2.", ""},
      {".5g", ".g"},  // a point before a digit stays
      {"a１b", "a１b"}, // full-width digits are not digits
      {"", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(prescription::withoutNumbers(in), out) << in.toStdString();
}

}  // namespace
