// Purchase statistics: per drug of one category and date range, the quantity received,
// its unit and the amount, closed by a "合计" line. Also the grams-to-kilograms rule
// that the sales statistics share.
#pragma once

#include "store/Purchases.h"
#include "text/DateRange.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace purchasing {

using text::DateRange;

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

// Sums receipt rows in the order they come, one line per name (names equal but for ASCII
// case count as one) in the order of their first rows, closed by "合计" with the sum of
// the rounded amounts.
std::vector<StatisticsLine> summarise(const std::vector<store::ReceiptFigures>& rows);

// Reads the receipts of the range from the inventory file and sums them. Throws
// store::StoreError with the reason when the file cannot be read.
std::vector<StatisticsLine> purchaseStatistics(const QString& stockPath, const QString& category,
                                               const DateRange& range);

}  // namespace purchasing
