// Date texts: stored, printed and keyed forms, one month back, and reading a date box.
#include "text/Dates.h"

#include <gtest/gtest.h>

namespace {

TEST(Dates, Formats) {
  const QDateTime t(QDate(2024, 3, 5), QTime(7, 8, 9));
  EXPECT_EQ(text::isoDate(t.date()), "2024-03-05");
  EXPECT_EQ(text::isoDateTime(t), "2024-03-05 07:08:09");
  EXPECT_EQ(text::chineseDate(t.date()), QString::fromUtf16(u"2024年03月05日"));
  EXPECT_EQ(text::timestampText(t), "20240305070809");
  EXPECT_EQ(text::timestampText(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59, 999))), "20241231235959");
  EXPECT_EQ(text::isoDate(QDate()), "");
  EXPECT_EQ(text::timestampText(QDateTime()), "");
}

TEST(Dates, OneMonthBackKeepsToTheMonthsLastDay) {
  struct Case {
    QDate from;
    QDate to;
  };
  const Case cases[] = {
      {{2024, 3, 31}, {2024, 2, 29}},  // leap year
      {{2023, 3, 31}, {2023, 2, 28}},
      {{2024, 3, 29}, {2024, 2, 29}},
      {{2023, 3, 29}, {2023, 2, 28}},
      {{2024, 5, 31}, {2024, 4, 30}},
      {{2024, 1, 15}, {2023, 12, 15}},  // across the year
      {{2024, 7, 1}, {2024, 6, 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(text::oneMonthBack(c.from), c.to) << text::isoDate(c.from).toStdString();
}

TEST(Dates, ReadsWhatADateBoxHolds) {
  struct Case {
    const char16_t* text;
    QDate date;  // invalid: not a date
  };
  const Case cases[] = {
      {u"2024-03-05", {2024, 3, 5}},
      {u"2024-3-5", {2024, 3, 5}},
      {u" 2024/3/5 ", {2024, 3, 5}},
      {u"2024年03月05日", {2024, 3, 5}},
      {u"2024-03-05 10:11:12", {2024, 3, 5}},
      {u"2024-02-29", {2024, 2, 29}},
      {u"2023-02-29", {}},
      {u"2024-13-01", {}},
      {u"24-3-5", {}},
      {u"2024-03-05x", {}},
      {u"", {}},
      {u"今天", {}},
  };
  for (const Case& c : cases) {
    const std::optional<QDate> read = text::readDate(QString::fromUtf16(c.text));
    if (c.date.isValid()) {
      ASSERT_TRUE(read.has_value()) << QString::fromUtf16(c.text).toStdString();
      EXPECT_EQ(*read, c.date);
    } else {
      EXPECT_FALSE(read.has_value()) << QString::fromUtf16(c.text).toStdString();
    }
  }
}

}  // namespace
