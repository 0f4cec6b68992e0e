#include "clinical/service/OutpatientLog.h"

#include "text/Dates.h"

#include <QDate>

namespace clinical {
namespace {

// The visit date is stored as "yyyy-mm-dd", perhaps with a time after it; comparing
// from the first day up to (not including) the day after the last takes both.
QString dayAfter(const QString& day) {
  return QDate::fromString(day, QStringLiteral("yyyy-MM-dd")).addDays(1).toString(QStringLiteral("yyyy-MM-dd"));
}

void bindRange(SQLite::Statement& query, const LogRange& range) {
  store::bindText(query, 1, range.from);
  store::bindText(query, 2, dayAfter(range.to));
}

}  // namespace

std::optional<LogRange> logRange(const QString& first, const QString& last) {
  const auto range = text::readDateRange(first, last, {.isoOnly = true}).range;
  if (!range) return std::nullopt;
  return LogRange{text::isoDate(range->first), text::isoDate(range->last)};
}

int logCount(store::Database& db, const LogRange& range, int atMost) {
  // The count stops at `atMost`, so a range far beyond the limit is refused as fast as
  // one just beyond it.
  SQLite::Statement query(db.sql(),
                          R"(SELECT count(*) FROM (SELECT 1 FROM "档案" WHERE "5" >= ? AND "5" < ? LIMIT ?))");
  bindRange(query, range);
  query.bind(3, atMost);
  query.executeStep();
  return query.getColumn(0).getInt();
}

std::vector<LogRecord> logRecords(store::Database& db, const LogRange& range) {
  SQLite::Statement query(db.sql(), R"(SELECT "0", "1", "2", "6", "4", substr("5", 1, 10) FROM "档案"
                                        WHERE "5" >= ? AND "5" < ? ORDER BY "序号")");
  bindRange(query, range);
  std::vector<LogRecord> records;
  while (query.executeStep()) {
    records.push_back({store::columnText(query, 0), store::columnText(query, 1), store::columnText(query, 2),
                       store::columnText(query, 3), store::columnText(query, 4), store::columnText(query, 5)});
  }
  return records;
}

LogMargins readLogMargins(store::Database& db) {
  SQLite::Statement query(db.sql(), R"(SELECT "日志左边距", "日志上边距" FROM "设置" ORDER BY rowid LIMIT 1)");
  LogMargins margins;
  if (!query.executeStep()) return margins;
  if (!query.getColumn(0).isNull()) margins.left = store::columnText(query, 0);
  if (!query.getColumn(1).isNull()) margins.top = store::columnText(query, 1);
  return margins;
}

bool writeLogMargins(store::Database& db, const QString& left, const QString& top) {
  SQLite::Statement update(db.sql(), R"(UPDATE "设置" SET "日志左边距" = ?, "日志上边距" = ?
                                         WHERE rowid = (SELECT min(rowid) FROM "设置"))");
  store::bindText(update, 1, left);
  store::bindText(update, 2, top);
  return update.exec() > 0;
}

}  // namespace clinical
