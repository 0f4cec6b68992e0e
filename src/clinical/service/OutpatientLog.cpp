#include "clinical/service/OutpatientLog.h"

#include "store/DataFile.h"
#include "text/Dates.h"

#include <QDate>

namespace clinical {
namespace {

// The visit date is stored as "yyyy-mm-dd", perhaps with a time after it; comparing
// from the first day up to (not including) the day after the last takes both.
QString dayAfter(const QString& day) {
  return QDate::fromString(day, QStringLiteral("yyyy-MM-dd")).addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
}

}  // namespace

std::optional<LogRange> logRange(const QString& first, const QString& last) {
  const auto range = text::readDateRange(first, last, {.isoOnly = true}).range;
  if (!range) return std::nullopt;
  return LogRange{text::isoDate(range->first), text::isoDate(range->last)};
}

int logCount(store::Database& db, const LogRange& range, int atMost) {
  return store::VisitLog(db).count(range.from, dayAfter(range.to), atMost);
}

std::vector<LogRecord> logRecords(store::Database& db, const LogRange& range) {
  return store::VisitLog(db).visits(range.from, dayAfter(range.to));
}

LogMargins readLogMargins(store::Database& db) { return store::SettingsRow(db).logMargins(); }

bool writeLogMargins(store::Database& db, const QString& left, const QString& top) {
  return store::SettingsRow(db).setLogMargins(left, top);
}

std::optional<std::vector<LogRecord>> listLog(const QString& mainPath, const LogRange& range) {
  store::Database db(mainPath, store::Database::Mode::ReadOnly);
  if (logCount(db, range, kLogListLimit + 1) > kLogListLimit) return std::nullopt;
  return logRecords(db, range);
}

std::vector<LogRecord> readLog(const QString& mainPath, const LogRange& range) {
  store::Database db(mainPath, store::Database::Mode::ReadOnly);
  return logRecords(db, range);
}

LogMargins keptLogMargins(const QString& mainPath) {
  try {
    store::Database db(mainPath);
    return readLogMargins(db);
  } catch (const std::exception&) {
    return {};  // the margins are a convenience; the log prints with its own
  }
}

MarginsSave saveLogMargins(const QString& mainPath, const QString& left, const QString& top) {
  try {
    store::Database db(mainPath);
    if (!writeLogMargins(db, left, top)) return {MarginsSave::Status::NoSettingsRow, {}};
    return {};
  } catch (const std::exception& e) {
    return {MarginsSave::Status::Failed, store::failureReason(e)};
  }
}

}  // namespace clinical
