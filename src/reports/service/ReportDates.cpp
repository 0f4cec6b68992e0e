#include "reports/service/ReportDates.h"

namespace reports {

RangeReading readRange(const QString& from, const QString& to, int maxDays) {
  const text::DateRangeReading reading = text::readDateRange(from, to, {.maxDays = maxDays});
  if (!reading.range) return {std::nullopt, reading.refusal};
  return {store::DayRange{reading.range->first, reading.range->last}, QString()};
}

}  // namespace reports
