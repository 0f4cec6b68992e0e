#include "purchasing/service/PurchaseStatistics.h"

#include "store/DataFile.h"
#include "text/Dates.h"
#include "text/Numbers.h"

namespace purchasing {

ShownQuantity GramsToKilograms(const QString& firstUnit, double quantitySum) {
  if (firstUnit == QStringLiteral("g")) return {text::format000(quantitySum / 1000.0), QStringLiteral("kg")};
  return {text::plainNumber(quantitySum), firstUnit.isNull() ? QStringLiteral("") : firstUnit};
}

std::vector<StatisticsLine> summarise(const std::vector<store::ReceiptFigures>& rows) {
  std::vector<StatisticsLine> lines;
  double total = 0;
  for (std::size_t i = 0; i < rows.size();) {
    const store::ReceiptFigures& head = rows[i];
    double quantity = 0;
    double amount = 0;
    std::size_t j = i;
    for (; j < rows.size() && rows[j].name.compare(head.name, Qt::CaseInsensitive) == 0; ++j) {
      quantity += text::leadingNumber(rows[j].quantity);
      amount += text::leadingNumber(rows[j].amount);
    }
    const ShownQuantity shown = GramsToKilograms(head.unit, quantity);
    const QString amountText = text::format00(amount);
    total += text::leadingNumber(amountText);
    lines.push_back({head.name, shown.quantity, shown.unit, amountText});
    i = j;
  }
  lines.push_back({QStringLiteral("合计"), QStringLiteral(""), QStringLiteral(""), text::format00(total)});
  return lines;
}

std::vector<StatisticsLine> purchaseStatistics(const QString& stockPath, const QString& category,
                                               const DateRange& range) {
  return store::guarded([&] {
    store::Database db = store::openExisting(stockPath, store::Database::Mode::ReadOnly);
    store::Purchases purchases(db);
    return summarise(purchases.figures(category, text::isoDate(range.first), text::isoDate(range.last)));
  });
}

StatisticsOutcome readPurchaseStatistics(const QString& stockPath, const QString& category, const DateRange& range) {
  try {
    return {purchaseStatistics(stockPath, category, range), {}};
  } catch (const store::StoreError& e) {
    return {{}, e.reason()};
  }
}

}  // namespace purchasing
