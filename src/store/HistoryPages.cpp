#include "store/HistoryPages.h"

#include "store/DataFile.h"
#include "store/RecordNameIndex.h"
#include "store/TextMatch.h"

#include <sqlite3.h>

#include <chrono>

namespace store {
namespace {

constexpr const char* kVisitDateIndex = "档案_就诊日期";
// The numbers' unique index, in every main file since the first build.
constexpr const char* kNumberIndex = "档案_ID号";

QString nameColumn(const HistoryFilter& filter) {
  return filter.column == HistoryFilter::Column::NameInitials ? QStringLiteral("40") : QStringLiteral("0");
}

bool holdsIndex(Database& db, const char* name) {
  SQLite::Statement query(db.sql(), "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?");
  query.bind(1, name);
  return query.executeStep();
}

// The walk: `columns` of the filter's records after a number, newest first, on the index
// alone until a record is listed. A file without the index (made by an earlier build, or
// one that could not be written) is walked along the numbers, reading every record: left
// to the planner, it would sort the whole date range first.
template <class Read>
void walk(Database& db, const QString& columns, const HistoryFilter& filter, const std::optional<QString>& after,
          int limit, Read&& read) {
  const bool searching = !filter.contains.isEmpty();
  if (searching) registerContainsFunction(db.sql());
  QString where = QStringLiteral(R"("序号" IS NOT NULL AND "5" >= ? AND "5" < ?)");
  if (after) where += QStringLiteral(R"( AND "序号" < ?)");
  if (searching) where += QStringLiteral(R"( AND %1("%2", ?))").arg(QString::fromUtf8(kContainsFunction), nameColumn(filter));
  const QString text = QStringLiteral(R"(SELECT %1 FROM "档案"%2 WHERE %3 ORDER BY "序号" DESC LIMIT ?)");
  const auto run = [&](const QString& hint) {
    SQLite::Statement query(db.sql(), text.arg(columns, hint, where).toStdString());
    int p = 1;
    bindText(query, p++, filter.from);
    bindText(query, p++, filter.before);
    if (after) bindText(query, p++, *after);
    if (searching) bindText(query, p++, filter.contains);
    query.bind(p, limit);
    while (query.executeStep()) read(query);
  };
  // Chosen before the walk: a walk that failed part-way and ran again would list its rows twice.
  const auto indexedBy = [](const char* index) { return QStringLiteral(R"( INDEXED BY "%1")").arg(QString::fromUtf8(index)); };
  if (holdsIndex(db, kHistoryPagesIndex))
    run(indexedBy(kHistoryPagesIndex));
  else if (holdsIndex(db, kNumberIndex))
    run(indexedBy(kNumberIndex));
  else
    run(QString());
}

// Ends the statement running once its time is up.
int pastDeadline(void* deadline) {
  return std::chrono::steady_clock::now() >= *static_cast<std::chrono::steady_clock::time_point*>(deadline) ? 1 : 0;
}

}  // namespace

std::optional<std::vector<HistoryRow>> historyIfFew(Database& db, const HistoryFilter& filter, int most) {
  // How many index entries the list may have to read: the candidates of a name search
  // when the name's pieces tell them, else the visit days' records. The candidates of one
  // character are not counted: telling them apart takes as long as the walk itself.
  QString count;
  std::vector<QString> values;
  if (!filter.contains.isEmpty()) {
    if (filter.contains.size() < 2 || !recordNameIndexReady(db)) return std::nullopt;
    const CandidateQuery candidates = candidateQuery(
        filter.column == HistoryFilter::Column::NameInitials ? IndexedColumn::NameInitials : IndexedColumn::Name,
        filter.contains);
    count = QStringLiteral("SELECT count(*) FROM (%1 LIMIT ?)").arg(candidates.sql);
    values = candidates.texts;
  } else {
    count = QStringLiteral(R"(SELECT count(*) FROM (SELECT 1 FROM "档案" INDEXED BY "%1" WHERE "5" >= ? AND "5" < ? LIMIT ?))")
                .arg(QString::fromUtf8(kVisitDateIndex));
    values = {filter.from, filter.before};
  }
  try {
    SQLite::Statement query(db.sql(), count.toStdString());
    int p = 1;
    for (const QString& value : values) bindText(query, p++, value);
    query.bind(p, most + 1);
    if (!query.executeStep() || query.getColumn(0).getInt() > most) return std::nullopt;
  } catch (const SQLite::Exception&) {
    return std::nullopt;  // the walk answers as well
  }
  return RecordsRepository(db).history(filter);
}

std::vector<HistoryRow> historyPage(Database& db, const HistoryFilter& filter, const std::optional<QString>& after,
                                    int limit) {
  std::vector<HistoryRow> rows;
  walk(db, QStringLiteral(R"("序号", "0", "1", "2", "5", "发药")"), filter, after, limit,
       [&](const SQLite::Statement& q) {
         rows.push_back({columnText(q, 0), columnText(q, 1), columnText(q, 2), columnText(q, 3), columnText(q, 4),
                         columnText(q, 5)});
       });
  return rows;
}

std::vector<QString> historySerials(Database& db, const HistoryFilter& filter, const std::optional<QString>& after,
                                    int limit) {
  std::vector<QString> serials;
  walk(db, QStringLiteral(R"("序号")"), filter, after, limit,
       [&](const SQLite::Statement& q) { serials.push_back(columnText(q, 0)); });
  return serials;
}

bool makeHistoryPagesIndex(const QString& mainDbPath, int mostMs) {
  Database db = openExisting(mainDbPath);
  // The new index's pages stay in this connection's cache until the commit, so that the
  // others read on meanwhile: a page written out earlier would lock them out from then on.
  db.exec(QStringLiteral("PRAGMA cache_size = -262144"));
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(mostMs);
  sqlite3* handle = db.sql().getHandle();
  sqlite3_progress_handler(handle, 1000, &pastDeadline, &deadline);
  bool made = true;
  try {
    db.exec(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS "%1" ON "档案" ("序号", "5", "0", "40");)")
                .arg(QString::fromUtf8(kHistoryPagesIndex)));
  } catch (const SQLite::Exception& e) {
    // Interrupted: the statement's transaction is rolled back, and the next close tries again.
    if (e.getErrorCode() != SQLITE_INTERRUPT) {
      sqlite3_progress_handler(handle, 0, nullptr, nullptr);
      throw;
    }
    made = false;
  }
  sqlite3_progress_handler(handle, 0, nullptr, nullptr);
  return made;
}

}  // namespace store
