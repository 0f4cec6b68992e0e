// Read-only queries of the reports: the prescriptions of a visit-date range (workload),
// and the sales lines of a date range, by category prefix and by literal name, patient
// and physician texts (drug sales and sales details). Dates are whole "yyyy-mm-dd" days,
// both ends included; a stored date with a time of day still belongs to its day.
#pragma once

#include "store/Database.h"

#include <QDate>
#include <QString>

#include <functional>
#include <string_view>
#include <vector>

namespace store {

// A range of visit dates, first <= last.
struct DayRange {
  QDate first;
  QDate last;
};

// The prescriptions of a range: how many, and their stored totals ([档案].[16]) added up
// in stored order, each read by `number` from the UTF-8 bytes of its text (empty for
// none). The reading runs inside the query, so a count over years of prescriptions makes
// no string and no round trip per row.
struct PrescriptionTotals {
  long long count = 0;
  double sum = 0.0;
};
PrescriptionTotals sumPrescriptionTotals(Database& main, const DayRange& range,
                                         const std::function<double(std::string_view)>& number);

// The value columns of one sales line as stored.
struct SalesLineValues {
  QString name;      // 名称, with its "[...]" part
  QString unit;      // 单位
  QString quantity;  // 数量
  QString amount;    // 金额
  QString profit;    // 利润
};

// Every named sales line of the range whose category begins with `categoryPrefix`
// (literally, ASCII case ignored; an empty prefix takes every category), in date order.
void forEachSalesLine(Database& stock, const QString& categoryPrefix, const DayRange& range,
                      const std::function<void(const SalesLineValues&)>& line);

// The filter of the sales-detail list. Each text must be contained literally (ASCII case
// ignored) in its column; an empty text matches every line whose column holds a value.
struct SalesDetailFilter {
  DayRange range;
  QString name;
  QString patient;
  QString physician;
  QString categoryPrefix;
};

// One sales line as the detail list shows it.
struct SalesDetailLine {
  QString date;  // "yyyy-mm-dd"
  QString name, quantity, unit, cost, price, amount, profit, patient, physician;
};

// The number of matching lines, counted no further than `limit`.
int countSalesDetail(Database& stock, const SalesDetailFilter& filter, int limit);
// Hands over the matching lines in prescription-number order, the lines of one
// prescription in stored order; each line is the callee's to keep.
void forEachSalesDetailLine(Database& stock, const SalesDetailFilter& filter,
                            const std::function<void(SalesDetailLine&&)>& line);

// The indexes these queries read: prescription totals by visit date (main file), sales
// lines by date with their category (inventory file). IF NOT EXISTS: also on old files.
void ensureReportIndexes(Database& main);
void ensureSalesReportIndexes(Database& stock);

}  // namespace store
