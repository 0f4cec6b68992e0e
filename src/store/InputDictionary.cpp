#include "store/InputDictionary.h"

#include "store/LikePattern.h"

#include <array>
#include <string>

namespace store {
namespace {

std::string quotedColumn(CounterColumn counter) {
  static const std::array<const char*, 6> names = {"药物", "姓名", "诊断", "地址", "症状", "词频"};
  return std::string("\"") + names.at(static_cast<size_t>(counter)) + "\"";
}

// Strokes are digits typed on the pad; the pattern matches them as a prefix.
QString prefixPattern(const QString& strokes) { return escapedForLike(strokes) + u'%'; }

QStringList firstColumn(SQLite::Statement& query) {
  QStringList values;
  while (query.executeStep()) values << columnText(query, 0);
  return values;
}

}  // namespace

QStringList InputDictionary::radicals(const QString& strokes, int limit) {
  SQLite::Statement query(db_.sql(), R"(SELECT "部首" FROM "部首笔画" WHERE "笔画" LIKE ?1 ESCAPE '\'
      ORDER BY "词频" DESC, "编号" LIMIT ?2)");
  bindText(query, 1, prefixPattern(strokes));
  query.bind(2, limit);
  return firstColumn(query);
}

QStringList InputDictionary::characters(const QString& strokes, const QString& radical, CounterColumn counter,
                                        int limit) {
  const std::string order = " ORDER BY " + quotedColumn(counter) + R"( DESC, "序号")";
  if (radical.isEmpty()) {
    SQLite::Statement query(
        db_.sql(), R"(SELECT "汉字" FROM "输入法编码" WHERE "笔画" LIKE ?1 ESCAPE '\')" + order + " LIMIT ?2");
    bindText(query, 1, prefixPattern(strokes));
    query.bind(2, limit);
    return firstColumn(query);
  }
  SQLite::Statement query(db_.sql(), R"(SELECT "汉字" FROM "输入法编码" WHERE "部首" = ?1 AND "查询" LIKE ?2 ESCAPE '\')" +
                                         order + " LIMIT ?3");
  bindText(query, 1, radical);
  bindText(query, 2, prefixPattern(strokes));
  query.bind(3, limit);
  return firstColumn(query);
}

bool InputDictionary::countPick(const QString& character, CounterColumn counter, int64_t floor) {
  const std::string column = quotedColumn(counter);
  SQLite::Statement update(db_.sql(), "UPDATE \"输入法编码\" SET " + column + " = CASE WHEN ifnull(CAST(" + column +
                                          " AS INTEGER), 0) < ?1 THEN ?1 ELSE CAST(" + column +
                                          R"( AS INTEGER) + 1 END WHERE "汉字" = ?2)");
  update.bind(1, floor);
  bindText(update, 2, character);
  return update.exec() > 0;
}

std::optional<int64_t> InputDictionary::counter(const QString& character, CounterColumn counter) {
  SQLite::Statement query(db_.sql(), "SELECT ifnull(CAST(" + quotedColumn(counter) +
                                         R"( AS INTEGER), 0) FROM "输入法编码" WHERE "汉字" = ?1)");
  bindText(query, 1, character);
  if (!query.executeStep()) return std::nullopt;
  return query.getColumn(0).getInt64();
}

std::optional<DictionaryEntry> InputDictionary::entry(const QString& character) {
  SQLite::Statement query(db_.sql(), R"(SELECT "部首", "笔画" FROM "输入法编码" WHERE "汉字" = ?1)");
  bindText(query, 1, character);
  if (!query.executeStep()) return std::nullopt;
  return DictionaryEntry{columnText(query, 0), columnText(query, 1)};
}

QString InputDictionary::strokeTable() {
  SQLite::Statement query(db_.sql(), R"(SELECT "汉字", "笔画" FROM "输入法编码" ORDER BY "序号")");
  QString table;
  table.reserve(80000);
  while (query.executeStep()) {
    table += columnText(query, 0);
    table += columnText(query, 1);
    table += u'&';
  }
  // Kept for the whole run: without the room it grew into.
  table.squeeze();
  return table;
}

}  // namespace store
