#include "store/SearchKeyColumn.h"

#include "store/CatalogueVersion.h"

#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>


namespace store {
namespace {

bool isBusy(const SQLite::Exception& e) {
  const int code = e.getErrorCode() & 0xff;
  return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

// The key of one name, computed in C++ while SQLite walks the table.
void searchKeyFunction(sqlite3_context* context, int, sqlite3_value** arguments) {
  const auto* keyOf = static_cast<const std::function<QString(const QString&)>*>(sqlite3_user_data(context));
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(arguments[0]));
  const QString name = text ? QString::fromUtf8(text, sqlite3_value_bytes(arguments[0])) : QStringLiteral("");
  const QByteArray key = (*keyOf)(name).toUtf8();
  sqlite3_result_text(context, key.constData(), static_cast<int>(key.size()), SQLITE_TRANSIENT);
}

// Writes one row's key; false when the row refuses it. The whole file locked by another
// workstation throws: waiting out every row would hold the close for minutes.
bool writeOne(SQLite::Statement& update, const KeyWrite& row) {
  try {
    bindText(update, 1, row.key);
    update.bind(2, row.rowid);
    update.exec();
    update.reset();
    return true;
  } catch (const SQLite::Exception& e) {
    update.tryReset();  // the refusal is known; clear it from the statement
    if (isBusy(e)) throw;
    return false;
  }
}

}  // namespace

int SearchKeyColumn::rebuildAll(const std::function<QString(const QString& name)>& keyOf, int& refused) {
  sqlite3* handle = db_.sql().getHandle();
  const char* function = "tavorin_search_key";
  if (sqlite3_create_function_v2(handle, function, 1, SQLITE_UTF8, const_cast<void*>(static_cast<const void*>(&keyOf)),
                                 searchKeyFunction, nullptr, nullptr, nullptr) != SQLITE_OK)
    throw SQLite::Exception(handle, sqlite3_errcode(handle));
  // The function points at keyOf: it is gone again before this returns.
  struct Unregister {
    sqlite3* handle;
    const char* name;
    ~Unregister() { sqlite3_create_function_v2(handle, name, 1, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr, nullptr); }
  } unregister{handle, function};
  // The rewrite touches every page of the table and of the indexes made again: with the
  // usual page cache, pages would go out to the file mid-statement and come back in.
  const int cacheSize = db_.sql().execAndGet("PRAGMA cache_size").getInt();
  struct RestoreCache {
    SQLite::Database& sql;
    int size;
    ~RestoreCache() { sql.tryExec("PRAGMA cache_size = " + std::to_string(size)); }
  } restoreCache{db_.sql(), cacheSize};
  db_.sql().exec("PRAGMA cache_size = -131072");

  try {
    SQLite::Transaction transaction(db_.sql());
    // The files this program makes keep the key in no index. An index that holds it (made
    // by hand, or by an older program on a file start-up could not change) would move an
    // entry for every row: such indexes go and are made again, as they were, from the new
    // keys in one sorted pass.
    const std::vector<MadeIndex> indexes = keyIndexes();
    for (const MadeIndex& index : indexes) db_.sql().exec("DROP INDEX \"" + index.name + '"');
    // The catalogue's version and change-log triggers would fire once for every row: they
    // go for this statement and come back as the file kept them before the commit, so no
    // other connection ever sees the file without them, and their work is done once below.
    const std::vector<MadeIndex> triggers = perRowTriggers();
    for (const MadeIndex& trigger : triggers) db_.sql().exec("DROP TRIGGER \"" + trigger.name + '"');
    const int written = db_.sql().exec("UPDATE " + quotedTable() + " SET \"查询\" = " + function + "(\"名称\")");
    for (const MadeIndex& trigger : triggers) db_.sql().exec(trigger.statement);
    if (written > 0) markEveryRowChanged(triggers);
    for (const MadeIndex& index : indexes) db_.sql().exec(index.statement);
    transaction.commit();
    return written;
  } catch (const SQLite::Exception& e) {
    if (isBusy(e)) throw;
    // A row the one statement could not write (a key too long, a rule) is found below,
    // row by row, and counted in `refused`.
  }
  std::vector<KeyWrite> keys;
  for (const NamedRow& row : names()) keys.push_back({row.rowid, keyOf(row.name.value_or(QStringLiteral("")))});
  return writeKeys(keys, refused);
}

std::vector<SearchKeyColumn::MadeIndex> SearchKeyColumn::keyIndexes() {
  // Indexes made by CREATE INDEX (a constraint's own index cannot go) that are not unique
  // (a key the rebuild makes twice must fail the statement as it always has).
  SQLite::Statement q(db_.sql(), R"(SELECT m.name, m.sql FROM sqlite_master m JOIN pragma_index_list(m.tbl_name) l)"
                                 R"( ON l.name = m.name WHERE m.type = 'index' AND m.tbl_name = ? AND m.sql IS NOT NULL)"
                                 R"( AND NOT l."unique" AND EXISTS (SELECT 1 FROM pragma_index_info(m.name) i)"
                                 R"( WHERE i.name = '查询') ORDER BY m.rowid)");
  q.bind(1, table_);
  std::vector<MadeIndex> indexes;
  while (q.executeStep()) indexes.push_back({q.getColumn(0).getString(), q.getColumn(1).getString()});
  return indexes;
}

std::vector<SearchKeyColumn::MadeIndex> SearchKeyColumn::perRowTriggers() {
  SQLite::Statement q(db_.sql(), R"(SELECT name, sql FROM sqlite_master WHERE type = 'trigger' AND tbl_name = ?)"
                                 R"( AND name IN (?, ?) AND sql IS NOT NULL ORDER BY rowid)");
  q.bind(1, table_);
  q.bind(2, kVersionOnUpdate);
  q.bind(3, kChangeLogOnUpdate);
  std::vector<MadeIndex> triggers;
  while (q.executeStep()) triggers.push_back({q.getColumn(0).getString(), q.getColumn(1).getString()});
  return triggers;
}

void SearchKeyColumn::markEveryRowChanged(const std::vector<MadeIndex>& triggers) {
  for (const MadeIndex& trigger : triggers) {
    if (trigger.name == kVersionOnUpdate) {
      db_.sql().exec(R"(UPDATE "目录版本" SET "版本" = "版本" + 1)");
    } else if (trigger.name == kChangeLogOnUpdate) {
      // One number is left out of the log: a reader whose copy is older than this entry
      // finds the log incomplete and reads the whole catalogue again, as it would after
      // an entry for every row. Later changes are numbered on from this entry.
      db_.sql().exec(R"(INSERT INTO "目录变更" ("序", "行") SELECT ifnull(max("序"), 0) + 2, 0 FROM "目录变更")");
    }
  }
}

std::string SearchKeyColumn::quotedTable() const { return std::string("\"") + table_ + "\""; }

std::optional<std::optional<QString>> SearchKeyColumn::firstKey() {
  SQLite::Statement first(db_.sql(), "SELECT \"查询\" FROM " + quotedTable() + " ORDER BY rowid LIMIT 1");
  if (!first.executeStep()) return std::nullopt;
  const QString key = columnText(first, 0);
  if (key.isNull()) return std::optional<QString>();
  return std::optional<QString>(key);
}

std::vector<NamedRow> SearchKeyColumn::names() {
  std::vector<NamedRow> rows;
  SQLite::Statement walk(db_.sql(), "SELECT rowid, \"名称\" FROM " + quotedTable() + " ORDER BY rowid");
  while (walk.executeStep()) {
    const QString name = columnText(walk, 1);
    rows.push_back({walk.getColumn(0).getInt64(), name.isNull() ? std::nullopt : std::optional<QString>(name)});
  }
  return rows;
}

int SearchKeyColumn::writeKeys(const std::vector<KeyWrite>& keys, int& refused) {
  SQLite::Transaction transaction(db_.sql());
  SQLite::Statement update(db_.sql(), "UPDATE " + quotedTable() + " SET \"查询\" = ? WHERE rowid = ?");
  int written = 0;
  int refusedHere = 0;
  for (const KeyWrite& row : keys) {
    if (writeOne(update, row)) {
      ++written;
      continue;
    }
    // A refused row (a rule, a lock on that row) undoes only its own statement;
    // anything that ended the transaction makes every row go again on its own.
    if (sqlite3_get_autocommit(db_.sql().getHandle())) return writeEachAlone(keys, refused);
    ++refusedHere;
  }
  transaction.commit();
  refused += refusedHere;
  return written;
}

int SearchKeyColumn::writeEachAlone(const std::vector<KeyWrite>& keys, int& refused) {
  SQLite::Statement update(db_.sql(), "UPDATE " + quotedTable() + " SET \"查询\" = ? WHERE rowid = ?");
  int written = 0;
  for (const KeyWrite& row : keys) (writeOne(update, row) ? written : refused)++;
  return written;
}

}  // namespace store
