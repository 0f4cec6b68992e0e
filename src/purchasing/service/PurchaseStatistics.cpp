#include "purchasing/service/PurchaseStatistics.h"

#include "store/DataFile.h"
#include "text/AsciiCase.h"
#include "text/Dates.h"
#include "text/Numbers.h"


namespace purchasing {

ShownQuantity GramsToKilograms(const QString& firstUnit, double quantitySum) {
  if (firstUnit == QStringLiteral("g")) return {text::format000(quantitySum / 1000.0), QStringLiteral("kg")};
  return {text::plainNumber(quantitySum), firstUnit.isNull() ? QStringLiteral("") : firstUnit};
}

std::vector<StatisticsLine> summarise(const std::vector<store::ReceiptFigures>& rows) {
  struct Drug {
    QString name;
    QString unit;  // the first row's
    double quantity = 0;
    double amount = 0;
  };
  // Names equal but for the case of ASCII letters are one drug, as the store compares them;
  // the drugs keep the order in which their first rows come.
  text::NameGroups<Drug> drugs;
  for (const store::ReceiptFigures& row : rows) {
    Drug& drug = drugs.of(row.name, [&] { return Drug{row.name, row.unit}; });
    drug.quantity += text::leadingNumber(row.quantity);
    drug.amount += text::leadingNumber(row.amount);
  }
  std::vector<StatisticsLine> lines;
  lines.reserve(drugs.groups().size() + 1);
  double total = 0;
  for (const Drug& drug : drugs.groups()) {
    const ShownQuantity shown = GramsToKilograms(drug.unit, drug.quantity);
    const QString amountText = text::format00(drug.amount);
    total += text::leadingNumber(amountText);
    lines.push_back({drug.name, shown.quantity, shown.unit, amountText});
  }
  // The closing line comes last, also after a drug whose name sorts after "合计".
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

}  // namespace purchasing
