#include "store/Catalogue.h"

#include "store/LikePattern.h"
#include "store/NameOrder.h"

#include <algorithm>
#include <numeric>

namespace store {
namespace {

std::optional<QString> optionalText(const SQLite::Statement& q, int column) {
  const QString value = columnText(q, column);
  if (value.isNull()) return std::nullopt;
  return value;
}

}  // namespace

QStringList Catalogue::namesInCategory(const QString& category) {
  SQLite::Statement query(db_.sql(), std::string(R"(SELECT "名称" FROM "商品" WHERE "分类" = ? ORDER BY "名称" COLLATE )") +
                                         kNameCollation);
  bindText(query, 1, category);
  QStringList names;
  while (query.executeStep()) names << columnText(query, 0);
  return names;
}

std::vector<CatalogueListRow> Catalogue::search(const QString& keyContains, CategoryMatch match,
                                                const QString& category) {
  QString categoryTest;
  QString categoryValue = category;
  switch (match) {
    case CategoryMatch::EndsWith:
      categoryTest = QStringLiteral(R"("分类" LIKE ? ESCAPE '\')");
      categoryValue = u'%' + escapedForLike(category);
      break;
    case CategoryMatch::Equals:
      categoryTest = QStringLiteral(R"("分类" = ?)");
      break;
    case CategoryMatch::NotEquals:
      categoryTest = QStringLiteral(R"("分类" <> ?)");
      break;
  }
  // One pass over the table; the hits are then put in name order by their sort keys, which
  // costs one key per hit instead of a collator comparison per pair, or a walk of the
  // name-order index that reads every row.
  const QString sql = QStringLiteral(R"(SELECT "ID号", "名称", "常用量", "单位", "用法" FROM "商品" )"
                                     R"(WHERE "查询" LIKE ? ESCAPE '\' AND %1 ORDER BY rowid)")
                          .arg(categoryTest);
  SQLite::Statement q(db_.sql(), sql.toStdString());
  bindText(q, 1, containsPattern(keyContains));
  bindText(q, 2, categoryValue);
  std::vector<CatalogueListRow> hits;
  std::vector<NameSortKey> keys;
  while (q.executeStep()) {
    hits.push_back({columnText(q, 0), optionalText(q, 1), optionalText(q, 2), optionalText(q, 3), optionalText(q, 4)});
    keys.emplace_back(hits.back().name.value_or(QString()));
  }
  std::vector<size_t> order(hits.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
  std::vector<CatalogueListRow> rows;
  rows.reserve(hits.size());
  for (size_t i : order) rows.push_back(std::move(hits[i]));
  return rows;
}

void Catalogue::ensureNameOrderIndexes(Database& db) {
  const std::string collation = kNameCollation;
  db.sql().exec(R"(CREATE INDEX IF NOT EXISTS "商品_名称序" ON "商品" ("名称" COLLATE )" + collation + ");" +
                R"(CREATE INDEX IF NOT EXISTS "商品_分类名称序" ON "商品" ("分类", "名称" COLLATE )" + collation + ");");
}

}  // namespace store
