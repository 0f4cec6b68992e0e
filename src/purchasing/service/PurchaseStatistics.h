// Purchase statistics: per drug of one category and date range, the quantity received,
// its unit and the amount, closed by a "合计" line. Also the date-range rule and the
// grams-to-kilograms rule that the sales statistics share.
#pragma once

#include "store/Purchases.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace purchasing {

inline const QString kRangeTooLongMessage = QStringLiteral("统计日期范围不能超过1个月！");
inline const QString kBadRangeMessage = QStringLiteral("请填写正确格式的起止日期！日期格式为“2016-01-03”。");
inline constexpr int kLongestRangeDays = 32;

// Two date boxes read as a range, earlier date first.
struct DateRange {
  QDate first;
  QDate last;
  int days() const { return static_cast<int>(first.daysTo(last)); }
};
// nullopt when either box holds no date; reversed bounds are swapped.
std::optional<DateRange> readRange(const QString& from, const QString& to);

// One result line. `amount` is "0.00"; quantity and unit are empty on the "合计" line.
struct StatisticsLine {
  QString name;
  QString quantity;
  QString unit;
  QString amount;
};

// A drug's quantity and unit as shown: a first unit of exactly "g" shows the sum in kg
// ("0.000", "kg"); any other unit the sum in plain decimal form and the unit as read.
struct ShownQuantity {
  QString quantity;
  QString unit;
};
ShownQuantity GramsToKilograms(const QString& firstUnit, double quantitySum);

// Sums receipt rows ordered by name, one line per name (names equal but for ASCII case
// count as one), closed by "合计" with the sum of the rounded amounts.
std::vector<StatisticsLine> summarise(const std::vector<store::ReceiptFigures>& rows);

// Reads the receipts of the range from the inventory file and sums them.
std::vector<StatisticsLine> purchaseStatistics(const QString& stockPath, const QString& category,
                                               const DateRange& range);

}  // namespace purchasing
