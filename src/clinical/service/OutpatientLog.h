// The outpatient log: the saved prescription records of a range of visit dates, one visit
// per record in prescription-number order, and the two print margins of the log kept in
// the settings row.
#pragma once

#include "store/Database.h"
#include "store/SettingsRow.h"
#include "store/VisitLog.h"
#include "text/DateRange.h"

#include <QString>

#include <optional>
#include <vector>

namespace clinical {

// The most records the log window lists for one range.
inline constexpr int kLogListLimit = 30000;

inline const QString& kLogBadDatesMessage = text::kBadDatesMessage;
inline const QString kLogTooManyMessage = QStringLiteral("数据太多，请缩短查询时间范围！");

// One visit of the log: name, sex, age, diagnosis, address and visit day.
using LogRecord = store::VisitRow;

// A range of visit dates read from the two date boxes; the bounds are put in order.
struct LogRange {
  QString from;  // "yyyy-mm-dd"
  QString to;    // "yyyy-mm-dd", included
};
// The range of two date texts, or nullopt when either is no date "yyyy-mm-dd".
std::optional<LogRange> logRange(const QString& first, const QString& last);

// The number of records in the range, counting no further than `atMost`.
int logCount(store::Database& db, const LogRange& range, int atMost);
// The records of the range in prescription-number order.
std::vector<LogRecord> logRecords(store::Database& db, const LogRange& range);

// The log's print margins as the user typed them; a value the settings row does not hold
// is nullopt.
using LogMargins = store::LogMargins;
LogMargins readLogMargins(store::Database& db);
// Writes both margins into the settings row; false when there is no row.
bool writeLogMargins(store::Database& db, const QString& left, const QString& top);

// The same on the main file at `mainPath`, opened for the one call. They throw as the
// store does when the file cannot be used, except where said.
// The records of the range; nullopt when there are more than kLogListLimit.
std::optional<std::vector<LogRecord>> listLog(const QString& mainPath, const LogRange& range);
std::vector<LogRecord> readLog(const QString& mainPath, const LogRange& range);
// The margins kept; both nullopt when the file cannot be read, as when the row does
// not hold them (the print then works with the window's own margins).
LogMargins keptLogMargins(const QString& mainPath);

struct MarginsSave {
  enum class Status { Saved, NoSettingsRow, Failed };
  Status status = Status::Saved;
  QString reason;  // why the store refused them (Failed)
};
MarginsSave saveLogMargins(const QString& mainPath, const QString& left, const QString& top);

}  // namespace clinical
