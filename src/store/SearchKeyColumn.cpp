#include "store/SearchKeyColumn.h"

#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

namespace store {
namespace {

bool isBusy(const SQLite::Exception& e) {
  const int code = e.getErrorCode() & 0xff;
  return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

}  // namespace

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
    try {
      bindText(update, 1, row.key);
      update.bind(2, row.rowid);
      update.exec();
      update.reset();
      ++written;
    } catch (const SQLite::Exception& e) {
      update.tryReset();  // the refusal is known; clear it from the statement
      // The whole file is locked by another workstation: waiting out every row would
      // hold the close for minutes. Nothing is written this time.
      if (isBusy(e)) throw;
      // A refused row (a rule, a lock on that row) undoes only its own statement;
      // anything that ended the transaction makes every row go again on its own.
      if (sqlite3_get_autocommit(db_.sql().getHandle())) return writeEachAlone(keys, refused);
      ++refusedHere;
    }
  }
  transaction.commit();
  refused += refusedHere;
  return written;
}

int SearchKeyColumn::writeEachAlone(const std::vector<KeyWrite>& keys, int& refused) {
  SQLite::Statement update(db_.sql(), "UPDATE " + quotedTable() + " SET \"查询\" = ? WHERE rowid = ?");
  int written = 0;
  for (const KeyWrite& row : keys) {
    try {
      bindText(update, 1, row.key);
      update.bind(2, row.rowid);
      update.exec();
      update.reset();
      ++written;
    } catch (const SQLite::Exception& e) {
      update.tryReset();
      if (isBusy(e)) throw;
      ++refused;
    }
  }
  return written;
}

}  // namespace store
