// A date range as typed in two "yyyy-mm-dd" boxes: both must hold a date, the bounds may
// stand in either order, and the statistics windows cap the length of the range.
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace text {

inline const QString kBadDatesMessage = QStringLiteral("请填写正确格式的起止日期！日期格式为“2016-01-03”。");
inline const QString kRangeTooLongMessage = QStringLiteral("统计日期范围不能超过1个月！");
// The longest range the statistics of one month accept, in days between the bounds.
inline constexpr int kMonthRangeDays = 32;

// Earlier date first.
struct DateRange {
  QDate first;
  QDate last;
  int days() const { return static_cast<int>(first.daysTo(last)); }
};

struct DateRangeRules {
  int maxDays = -1;      // < 0: no cap on the length
  bool isoOnly = false;  // only exactly "yyyy-mm-dd"; otherwise as readDate reads a date
};

struct DateRangeReading {
  std::optional<DateRange> range;
  QString refusal;  // the message when there is no range
};

// Reads the two boxes; reversed bounds are swapped. A box without a date is refused
// before the length is tested.
DateRangeReading readDateRange(const QString& from, const QString& to, DateRangeRules rules = {});

}  // namespace text
