// The sales-detail list: the sales lines of a date range whose drug name, patient and
// physician contain the typed texts and whose category begins with the typed prefix, in
// prescription-number order; at most 30000 lines, a larger result is refused unread.
#pragma once

#include "grid/PagedGridState.h"
#include "spreadsheet/Workbook.h"
#include "store/SalesReports.h"

#include <QString>

#include <vector>

namespace reports {

inline constexpr int kMostDetailLines = 30000;
inline const QString kTooManyLinesMessage = QStringLiteral("数据太多，请缩短查询时间范围！");

struct SalesDetailQuery {
  QString from, to;  // the date boxes, either order
  QString name, patient, physician, category;
};

struct SalesDetailOutcome {
  enum class Kind { Listed, BadDates, TooMany, Failed };
  Kind kind = Kind::Failed;
  QString message;                    // shown for every kind but Listed
  std::vector<grid::Record> records;  // one per line: the ten fields of the list
};

SalesDetailOutcome runSalesDetail(const QString& stockDbPath, const SalesDetailQuery& query);

// A profit as the grid shows it: a number in "0.00", any other text unchanged.
QString shownProfit(const QString& stored);

// The exported sheet: every listed line, the profit as stored.
spreadsheet::Workbook salesDetailWorkbook(const std::vector<grid::Record>& records);

}  // namespace reports
