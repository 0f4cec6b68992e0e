#include "reports/service/SalesDetail.h"

#include "reports/service/ReportDates.h"
#include "spreadsheet/ListSheet.h"
#include "store/DataFile.h"
#include "text/Blank.h"
#include "text/Numbers.h"

namespace reports {

QString shownProfit(const QString& stored) {
  bool isNumber = false;
  const double value = text::trimBlanks(stored).toDouble(&isNumber);
  return isNumber ? text::format00(value) : stored;
}

SalesDetailOutcome runSalesDetail(const QString& stockDbPath, const SalesDetailQuery& query) {
  using Kind = SalesDetailOutcome::Kind;
  const RangeReading reading = readRange(query.from, query.to);
  if (!reading.range) return {Kind::BadDates, reading.refusal, {}};
  const store::SalesDetailFilter filter{*reading.range, query.name, query.patient, query.physician,
                                        query.category};
  try {
    return store::guarded([&] {
      store::Database stock = store::openExisting(stockDbPath, store::Database::Mode::ReadOnly);
      // Counted no further than one past the cap, so a long range is refused quickly.
      const int count = store::countSalesDetail(stock, filter, kMostDetailLines + 1);
      if (count > kMostDetailLines) return SalesDetailOutcome{Kind::TooMany, kTooManyLinesMessage, {}};
      SalesDetailOutcome out{Kind::Listed, QString(), {}};
      out.records.reserve(static_cast<size_t>(count));
      store::forEachSalesDetailLine(stock, filter, [&](store::SalesDetailLine&& l) {
        grid::Record& record = out.records.emplace_back();
        record.fields.reserve(10);
        for (QString* field : {&l.date, &l.name, &l.quantity, &l.unit, &l.cost, &l.price, &l.amount, &l.profit,
                               &l.patient, &l.physician})
          record.fields.push_back(std::move(*field));
      });
      return out;
    });
  } catch (const store::StoreError& e) {
    return {Kind::Failed, QStringLiteral("销售记录无法读取：") + e.reason(), {}};
  }
}

spreadsheet::Workbook salesDetailWorkbook(const std::vector<grid::Record>& records) {
  std::vector<QStringList> table;
  table.reserve(records.size());
  for (const grid::Record& r : records) table.push_back(QStringList(r.fields.begin(), r.fields.end()));
  return spreadsheet::listWorkbook({QStringLiteral("日期"), QStringLiteral("药品名称"), QStringLiteral("数量"),
                                    QStringLiteral("单位"), QStringLiteral("进价"), QStringLiteral("售价"),
                                    QStringLiteral("销售金额"), QStringLiteral("利润"), QStringLiteral("患者姓名"),
                                    QStringLiteral("医师")},
                                   table);
}

}  // namespace reports
