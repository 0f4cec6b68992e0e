#include "text/DateRange.h"

#include "text/Dates.h"

#include <QRegularExpression>

#include <cstdlib>
#include <utility>

namespace text {
namespace {

std::optional<QDate> readIsoDay(const QString& s) {
  static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
  if (!shape.match(s).hasMatch()) return std::nullopt;
  const QDate date = QDate::fromString(s, QStringLiteral("yyyy-MM-dd"));
  if (!date.isValid()) return std::nullopt;
  return date;
}

}  // namespace

DateRangeReading readDateRange(const QString& from, const QString& to, DateRangeRules rules) {
  const auto read = rules.isoOnly ? readIsoDay : readDate;
  const std::optional<QDate> a = read(from);
  const std::optional<QDate> b = read(to);
  if (!a || !b) return {std::nullopt, kBadDatesMessage};
  if (rules.maxDays >= 0 && std::llabs(a->daysTo(*b)) > rules.maxDays) return {std::nullopt, kRangeTooLongMessage};
  DateRange range{*a, *b};
  if (range.last < range.first) std::swap(range.first, range.last);
  return {range, QString()};
}

}  // namespace text
