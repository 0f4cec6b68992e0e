#include "store/PhraseList.h"

#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

#include <optional>

namespace store {
namespace {

QStringList firstColumn(SQLite::Statement& query) {
  QStringList values;
  while (query.executeStep()) values << columnText(query, 0);
  return values;
}

}  // namespace

QStringList PhraseList::phrases() {
  SQLite::Statement query(db_.sql(), R"(SELECT "序号" FROM "诊断" WHERE "拼音" = ? ORDER BY rowid)");
  bindText(query, 1, list_);
  return firstColumn(query);
}

void PhraseList::add(const QList<Phrase>& phrases) {
  // Inside a caller's transaction (the prescription save adds its phrases with the
  // record) the phrases go in with it; otherwise they get their own.
  std::optional<SQLite::Transaction> transaction;
  if (sqlite3_get_autocommit(db_.sql().getHandle())) transaction.emplace(db_.sql());
  SQLite::Statement insert(db_.sql(), R"(INSERT OR IGNORE INTO "诊断" ("序号", "拼音", "名称") VALUES (?, ?, ?))");
  for (const Phrase& phrase : phrases) {
    bindText(insert, 1, phrase.text);
    bindText(insert, 2, list_);
    bindText(insert, 3, phrase.key);
    insert.exec();
    insert.reset();
  }
  if (transaction) transaction->commit();
}

QStringList Symptoms::all() {
  SQLite::Statement query(db_.sql(), R"(SELECT "名称" FROM "地址" ORDER BY rowid)");
  return firstColumn(query);
}

}  // namespace store
