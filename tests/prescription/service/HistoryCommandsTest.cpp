// The history panel's date window and search commands, the filter they query with and
// the item text, without a data file.
#include "prescription/service/HistoryList.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;
using Column = store::HistoryFilter::Column;

QString u16(const char16_t* s) { return QString::fromUtf16(s); }
QDate day(const char* iso) { return QDate::fromString(iso, Qt::ISODate); }

TEST(HistoryCommands, DateWindowCommands) {
  const HistoryWindow shown{u16(u"张"), "2019-01-01", "2019-03-01"};
  EXPECT_EQ(dayBefore(shown), (HistoryWindow{"", "2019-02-28", "2019-02-28"}));
  EXPECT_EQ(dayAfter(HistoryWindow{"zs", "2019-12-01", "2019-12-31"}), (HistoryWindow{"", "2020-01-01", "2020-01-01"}));
  EXPECT_EQ(dayAfter(HistoryWindow{"", "2024-2-28", "2024/2/28"}), (HistoryWindow{"", "2024-02-29", "2024-02-29"}));
  // a "to" box without a date: both boxes end with the "from" box's old text
  EXPECT_EQ(dayBefore(HistoryWindow{"", "2019-01-05", "abc"}), (HistoryWindow{"", "2019-01-05", "2019-01-05"}));

  EXPECT_EQ(todaysPatients(day("2024-03-05")), (HistoryWindow{"", "2024-03-05", "2024-03-05"}));
  EXPECT_EQ(openingWindow(shown, day("2023-03-31")), (HistoryWindow{u16(u"张"), "2023-02-28", "2023-03-31"}));
  EXPECT_EQ(openingWindow(shown, day("2024-03-31")), (HistoryWindow{u16(u"张"), "2024-02-29", "2024-03-31"}));
}

TEST(HistoryCommands, SearchWidensToTenYears) {
  const HistoryWindow shown{"", "2024-02-01", "2024-02-29"};
  EXPECT_EQ(searchTyped(shown, u16(u"张"), day("2024-02-29")), (HistoryWindow{u16(u"张"), "2014-02-28", "2024-02-29"}));
  EXPECT_EQ(searchTyped(shown, "  ", day("2024-02-29")), (HistoryWindow{"  ", "2024-02-01", "2024-02-29"}));

  EXPECT_FALSE(patientHistory(shown, "   ", day("2024-02-29")).has_value());
  EXPECT_EQ(patientHistory(shown, u16(u" 张三 "), day("2024-03-05")),
            (HistoryWindow{u16(u" 张三 "), "2014-03-05", "2024-03-05"}));
}

TEST(HistoryCommands, FilterChoosesTheColumnAndMatchesTheSearchLiterally) {
  struct Case {
    const char16_t* search;
    Column column;
    const char16_t* contains;
  };
  const Case cases[] = {
      {u"", Column::Name, u""},
      {u"zs", Column::NameInitials, u"zs"},
      {u"张", Column::Name, u"张"},
      {u" zs", Column::NameInitials, u" zs"},  // the blank stays in the search
      {u"  ", Column::Name, u"  "},
      {u"O'B", Column::NameInitials, u"O'B"},
      {u"5%_\\", Column::NameInitials, u"5%_\\"},
  };
  for (const Case& c : cases) {
    const auto filter = historyFilter({u16(c.search), "2024-03-01", "2024-03-05"});
    ASSERT_TRUE(filter.has_value());
    EXPECT_EQ(filter->column, c.column) << u16(c.search).toStdString();
    EXPECT_EQ(filter->contains, u16(c.contains)) << u16(c.search).toStdString();
  }
}

TEST(HistoryCommands, FilterReadsTheDateBoxes) {
  struct Case {
    const char* from;
    const char* to;
    const char* filterFrom;  // nullptr: no filter, the list stays empty
    const char* filterBefore;
  };
  const Case cases[] = {
      {"2024-03-01", "2024-03-05", "2024-03-01", "2024-03-06"},
      {"2024-3-1", "2024/3/5", "2024-03-01", "2024-03-06"},
      {"2024-03-05", "2024-03-01", "2024-03-01", "2024-03-06"},  // reversed: swapped
      {"2024-12-31", "2024-12-31", "2024-12-31", "2025-01-01"},
      {"abc", "2024-03-05", nullptr, nullptr},
      {"2024-03-01", "", nullptr, nullptr},
      {"2024-02-30", "2024-03-05", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    const auto filter = historyFilter({"", c.from, c.to});
    ASSERT_EQ(filter.has_value(), c.filterFrom != nullptr) << c.from << " " << c.to;
    if (!filter) continue;
    EXPECT_EQ(filter->from, c.filterFrom);
    EXPECT_EQ(filter->before, c.filterBefore);
  }
}

TEST(HistoryCommands, ItemText) {
  const std::pair<store::HistoryRow, const char16_t*> cases[] = {
      {{"s1", u16(u"王五"), u16(u"男"), u16(u"36岁"), "2019-07-15", u16(u"-已发药")}, u"王五[男,36岁,2019-07-15]-已发药"},
      {{"s2", u16(u"王五"), u16(u"男"), u16(u"36岁"), "2019-07-15", ""}, u"王五[男,36岁,2019-07-15]"},
      {{"s3", u16(u"王五"), QString(), QString(), "2019-07-15 08:30:00", QString()}, u"王五[,,2019-07-15]"},
  };
  for (const auto& [row, text] : cases) EXPECT_EQ(historyItemText(row), u16(text));
}

}  // namespace
