// The date range of a report as typed in its two boxes: both must be dates, the bounds
// may stand in either order, and some reports cap the length of the range.
#pragma once

#include "store/SalesReports.h"

#include <QString>

#include <optional>

namespace reports {

inline const QString kBadDatesMessage = QStringLiteral("请填写正确格式的起止日期！日期格式为“2016-01-03”。");
inline const QString kRangeTooLongMessage = QStringLiteral("统计日期范围不能超过1个月！");
// The longest range the statistics of one month accept, in days between the bounds.
inline constexpr int kMonthRangeDays = 32;

struct RangeReading {
  std::optional<store::DayRange> range;  // earlier date first
  QString refusal;                       // the message when there is no range
};

// Reads the two boxes. `maxDays` < 0: no cap on the length.
RangeReading readRange(const QString& from, const QString& to, int maxDays = -1);

}  // namespace reports
