#include "reports/service/ReportDates.h"

#include "text/Dates.h"

#include <cstdlib>
#include <utility>

namespace reports {

RangeReading readRange(const QString& from, const QString& to, int maxDays) {
  const auto first = text::readDate(from);
  const auto last = text::readDate(to);
  if (!first || !last) return {std::nullopt, kBadDatesMessage};
  if (maxDays >= 0 && std::llabs(first->daysTo(*last)) > maxDays) return {std::nullopt, kRangeTooLongMessage};
  store::DayRange range{*first, *last};
  if (range.last < range.first) std::swap(range.first, range.last);
  return {range, QString()};
}

}  // namespace reports
