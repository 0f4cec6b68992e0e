#include "reports/service/DrugSales.h"

#include "purchasing/service/PurchaseStatistics.h"
#include "reports/service/ReportDates.h"
#include "spreadsheet/ListSheet.h"
#include "store/DataFile.h"
#include "store/NameOrder.h"
#include "text/Blank.h"
#include "text/Numbers.h"

#include <algorithm>

namespace reports {
namespace {

QString blankIfZero(const QString& money) { return money == QStringLiteral("0.00") ? QString() : money; }

}  // namespace

void DrugSalesTally::add(const store::SalesLineValues& line) {
  // Names are told apart as the store tells them apart.
  Drug& d = drugs_.of(line.name, [&] { return Drug{line.name, line.unit}; });
  d.quantity += text::leadingNumber(line.quantity);
  d.amount += text::leadingNumber(line.amount);
  d.profit += text::leadingNumber(line.profit);
}

std::vector<DrugSalesRow> DrugSalesTally::rows() const {
  std::vector<const Drug*> order;
  order.reserve(drugs_.groups().size());
  for (const Drug& d : drugs_.groups()) order.push_back(&d);
  // The name order of every list, the purchase statistics' too: digits and Latin letters
  // first, then Chinese by pinyin.
  std::stable_sort(order.begin(), order.end(),
                   [](const Drug* a, const Drug* b) { return store::compareNames(a->name, b->name) < 0; });

  std::vector<DrugSalesRow> rows;
  rows.reserve(order.size() + 1);
  double totalAmount = 0.0;
  double totalProfit = 0.0;
  for (const Drug* d : order) {
    DrugSalesRow row;
    row.name = d->name;
    // Grams are shown as kilograms; any other unit (also "G" or "克") as it is.
    const purchasing::ShownQuantity shown = purchasing::GramsToKilograms(d->unit, d->quantity);
    row.quantity = shown.quantity;
    row.unit = shown.unit;
    row.amount = text::format00(d->amount);
    row.profit = text::format00(d->profit);
    // The total adds up what the rows show, so that the column sums to it on paper.
    totalAmount += text::leadingNumber(row.amount);
    totalProfit += text::leadingNumber(row.profit);
    rows.push_back(std::move(row));
  }
  rows.push_back(DrugSalesRow{kTotalRowName, QString(), QString(), text::format00(totalAmount),
                              text::format00(totalProfit)});
  return rows;
}

DrugSalesOutcome runDrugSales(const QString& stockDbPath, const QString& from, const QString& to,
                              const QString& category) {
  const RangeReading reading = readRange(from, to, kMonthRangeDays);
  if (!reading.range) return {false, reading.refusal, {}};
  try {
    return store::guarded([&] {
      store::Database stock = store::openExisting(stockDbPath, store::Database::Mode::ReadOnly);
      DrugSalesTally tally;
      store::forEachSalesLine(stock, text::trimBlanks(category), *reading.range,
                              [&](const store::SalesLineValues& line) { tally.add(line); });
      return DrugSalesOutcome{true, QString(), tally.rows()};
    });
  } catch (const store::StoreError& e) {
    return {false, QStringLiteral("销售记录无法读取：") + e.reason(), {}};
  }
}

std::vector<grid::Record> drugSalesPage(const std::vector<DrugSalesRow>& rows) {
  std::vector<grid::Record> records;
  records.reserve(rows.size());
  for (const DrugSalesRow& r : rows)
    records.push_back(grid::Record{{r.name, r.quantity, r.unit, blankIfZero(r.amount), blankIfZero(r.profit)}, {}});
  return records;
}

spreadsheet::Workbook drugSalesWorkbook(const std::vector<DrugSalesRow>& rows) {
  std::vector<QStringList> table;
  table.reserve(rows.size());
  for (const DrugSalesRow& r : rows) table.push_back({r.name, r.quantity, r.unit, r.amount, r.profit});
  return spreadsheet::listWorkbook({QStringLiteral("药品名称"), QStringLiteral("数量"), QStringLiteral("单位"),
                                    QStringLiteral("销售金额"), QStringLiteral("利润")},
                                   table);
}

}  // namespace reports
