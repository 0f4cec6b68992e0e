#include "clinical/service/WordLists.h"

#include "text/Blank.h"

#include <optional>

namespace clinical {
namespace {

// The list in which `phrase` or `key` stands already; nullopt when in none.
std::optional<QString> phraseListHolding(store::Database& db, const QString& phrase, const QString& key) {
  SQLite::Statement query(db.sql(), R"(SELECT "拼音" FROM "诊断" WHERE "序号" = ? OR "名称" = ? LIMIT 1)");
  store::bindText(query, 1, phrase);
  store::bindText(query, 2, key);
  if (!query.executeStep()) return std::nullopt;
  return store::columnText(query, 0);
}

bool symptomKeyKept(store::Database& db, const QString& key) {
  SQLite::Statement query(db.sql(), R"(SELECT 1 FROM "地址" WHERE "序号" = ? LIMIT 1)");
  store::bindText(query, 1, key);
  return query.executeStep();
}

}  // namespace

QString listTitle(const QString& list) {
  if (list == QStringLiteral("地    址")) return QStringLiteral("常用地址");
  return list;
}

std::vector<WordRow> WordLists::search(const QString& search) {
  // instr matches the typed text literally: "'", "%" and "_" are characters.
  const char* sql = kind_.symptoms()
                        ? R"(SELECT rowid, "名称" FROM "地址" WHERE instr(lower("序号"), lower(?)) > 0 ORDER BY rowid)"
                        : R"(SELECT rowid, "序号" FROM "诊断"
                             WHERE instr(lower("名称"), lower(?)) > 0 AND "拼音" = ? ORDER BY rowid)";
  SQLite::Statement query(db_.sql(), sql);
  store::bindText(query, 1, search.isNull() ? QStringLiteral("") : search);
  if (!kind_.symptoms()) store::bindText(query, 2, kind_.list);
  std::vector<WordRow> rows;
  while (query.executeStep()) rows.push_back({query.getColumn(0).getInt64(), store::columnText(query, 1)});
  return rows;
}

WordSaveResult WordLists::save(const QString& phrase, const QString& initials) {
  if (text::trimBlanks(phrase).isEmpty()) return {WordSave::Blank, {}};
  if (kind_.symptoms()) {
    if (initials.isEmpty()) return {WordSave::NoInitials, QStringLiteral("请填写拼音代码！")};
    const QString key = phrase + initials;
    if (symptomKeyKept(db_, key))
      return {WordSave::Duplicate, QStringLiteral("“%1”已在常用症状中，没有重复保存。").arg(phrase)};
    SQLite::Statement insert(db_.sql(), R"(INSERT INTO "地址" ("名称", "拼音", "序号") VALUES (?, ?, ?))");
    store::bindText(insert, 1, phrase);
    store::bindText(insert, 2, initials);
    store::bindText(insert, 3, key);
    insert.exec();
    return {};
  }
  const QString key = phrase + QStringLiteral("-") + initials;
  if (const auto holder = phraseListHolding(db_, phrase, key)) {
    const QString message = *holder == kind_.list
                                ? QStringLiteral("“%1”已在列表中，没有重复保存。").arg(phrase)
                                : QStringLiteral("“%1”已在“%2”列表中，没有重复保存。").arg(phrase, listTitle(*holder));
    return {WordSave::Duplicate, message};
  }
  SQLite::Statement insert(db_.sql(), R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES (?, ?, ?))");
  store::bindText(insert, 1, phrase);
  store::bindText(insert, 2, kind_.list);
  store::bindText(insert, 3, key);
  insert.exec();
  return {};
}

bool WordLists::remove(qint64 rowid) {
  SQLite::Statement del(db_.sql(), kind_.symptoms() ? R"(DELETE FROM "地址" WHERE rowid = ?)"
                                                    : R"(DELETE FROM "诊断" WHERE rowid = ? AND "拼音" = ?)");
  del.bind(1, static_cast<int64_t>(rowid));
  if (!kind_.symptoms()) store::bindText(del, 2, kind_.list);
  return del.exec() > 0;
}

}  // namespace clinical
