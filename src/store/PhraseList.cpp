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

std::vector<PhraseRow> phraseRows(SQLite::Statement& query) {
  std::vector<PhraseRow> rows;
  while (query.executeStep()) rows.push_back({query.getColumn(0).getInt64(), columnText(query, 1)});
  return rows;
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

std::vector<PhraseRow> PhraseList::search(const QString& search) {
  // instr matches the typed text literally: "'", "%" and "_" are characters.
  SQLite::Statement query(db_.sql(), R"(SELECT rowid, "序号" FROM "诊断"
                                        WHERE instr(lower("名称"), lower(?)) > 0 AND "拼音" = ? ORDER BY rowid)");
  bindText(query, 1, search.isNull() ? QStringLiteral("") : search);
  bindText(query, 2, list_);
  return phraseRows(query);
}

void PhraseList::insert(const Phrase& phrase) {
  SQLite::Statement insert(db_.sql(), R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES (?, ?, ?))");
  bindText(insert, 1, phrase.text);
  bindText(insert, 2, list_);
  bindText(insert, 3, phrase.key);
  insert.exec();
}

bool PhraseList::remove(qint64 rowid) {
  SQLite::Statement del(db_.sql(), R"(DELETE FROM "诊断" WHERE rowid = ? AND "拼音" = ?)");
  del.bind(1, static_cast<int64_t>(rowid));
  bindText(del, 2, list_);
  return del.exec() > 0;
}

std::optional<QString> PhraseList::listHolding(const QString& phrase, const QString& key) {
  SQLite::Statement query(db_.sql(), R"(SELECT "拼音" FROM "诊断" WHERE "序号" = ? OR "名称" = ? LIMIT 1)");
  bindText(query, 1, phrase);
  bindText(query, 2, key);
  if (!query.executeStep()) return std::nullopt;
  return columnText(query, 0);
}

QStringList Symptoms::all() {
  SQLite::Statement query(db_.sql(), R"(SELECT "名称" FROM "地址" ORDER BY rowid)");
  return firstColumn(query);
}

std::vector<PhraseRow> Symptoms::search(const QString& search) {
  SQLite::Statement query(db_.sql(),
                          R"(SELECT rowid, "名称" FROM "地址" WHERE instr(lower("序号"), lower(?)) > 0 ORDER BY rowid)");
  bindText(query, 1, search.isNull() ? QStringLiteral("") : search);
  return phraseRows(query);
}

bool Symptoms::keyKept(const QString& key) {
  SQLite::Statement query(db_.sql(), R"(SELECT 1 FROM "地址" WHERE "序号" = ? LIMIT 1)");
  bindText(query, 1, key);
  return query.executeStep();
}

void Symptoms::insert(const QString& text, const QString& initials, const QString& key) {
  SQLite::Statement insert(db_.sql(), R"(INSERT INTO "地址" ("名称", "拼音", "序号") VALUES (?, ?, ?))");
  bindText(insert, 1, text);
  bindText(insert, 2, initials);
  bindText(insert, 3, key);
  insert.exec();
}

bool Symptoms::remove(qint64 rowid) {
  SQLite::Statement del(db_.sql(), R"(DELETE FROM "地址" WHERE rowid = ?)");
  del.bind(1, static_cast<int64_t>(rowid));
  return del.exec() > 0;
}

}  // namespace store
