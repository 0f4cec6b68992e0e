#include "text/DateRange.h"

#include <gtest/gtest.h>

namespace {

TEST(DateRangeTest, ReadsEitherOrderAndRefusesNoDate) {
  struct Case {
    const char* from;
    const char* to;
    text::DateRangeRules rules;
    int days;             // -1: no range
    const char* refusal;  // when there is no range: "bad" or "long"
  } cases[] = {
      {"2019-01-01", "2019-02-02", {}, 32, ""},
      {"2019-02-02", "2019-01-01", {}, 32, ""},
      {"2019-01-01", "2019-02-03", {}, 33, ""},
      {"2019-1-1", "2019-1-1", {}, 0, ""},
      {"2019-02-30", "2019-03-01", {}, -1, "bad"},
      {"", "2019-03-01", {}, -1, "bad"},
      // The month cap counts days between the bounds in either order; a bad box is
      // refused as such even when the range would also be too long.
      {"2019-01-01", "2019-02-02", {.maxDays = 32}, 32, ""},
      {"2019-02-03", "2019-01-01", {.maxDays = 32}, -1, "long"},
      {"x", "2029-01-01", {.maxDays = 32}, -1, "bad"},
      // Exactly "yyyy-mm-dd" only: no short fields, no blanks, no time of day.
      {"2019-01-09", "2019-01-01", {.isoOnly = true}, 8, ""},
      {"2019-1-1", "2019-01-01", {.isoOnly = true}, -1, "bad"},
      {" 2019-01-01", "2019-01-01", {.isoOnly = true}, -1, "bad"},
      {"2019-01-01", "2019-01-01 10:00:00", {.isoOnly = true}, -1, "bad"},
      {"2019-02-29", "2019-03-01", {.isoOnly = true}, -1, "bad"},
  };
  for (const auto& c : cases) {
    const text::DateRangeReading r = text::readDateRange(QString::fromUtf8(c.from), QString::fromUtf8(c.to), c.rules);
    if (c.days < 0) {
      EXPECT_FALSE(r.range.has_value()) << c.from << " " << c.to;
      EXPECT_EQ(r.refusal, QString(c.refusal) == "bad" ? text::kBadDatesMessage : text::kRangeTooLongMessage)
          << c.from << " " << c.to;
    } else {
      ASSERT_TRUE(r.range.has_value()) << c.from << " " << c.to;
      EXPECT_EQ(r.range->days(), c.days) << c.from;
      EXPECT_LE(r.range->first, r.range->last);
      EXPECT_TRUE(r.refusal.isEmpty());
    }
  }
}

}  // namespace
