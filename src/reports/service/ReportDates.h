// The date range of a report as typed in its two boxes: both must be dates, the bounds
// may stand in either order, and some reports cap the length of the range.
#pragma once

#include "store/SalesReports.h"
#include "text/DateRange.h"

#include <QString>

#include <optional>

namespace reports {

using text::kBadDatesMessage;
using text::kMonthRangeDays;
using text::kRangeTooLongMessage;

struct RangeReading {
  std::optional<store::DayRange> range;  // earlier date first
  QString refusal;                       // the message when there is no range
};

// Reads the two boxes. `maxDays` < 0: no cap on the length.
RangeReading readRange(const QString& from, const QString& to, int maxDays = -1);

}  // namespace reports
