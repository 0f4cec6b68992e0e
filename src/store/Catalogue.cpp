#include "store/Catalogue.h"

namespace store {

QStringList Catalogue::namesInCategory(const QString& category) {
  SQLite::Statement query(db_.sql(), std::string(R"(SELECT "名称" FROM "商品" WHERE "分类" = ? ORDER BY "名称" COLLATE )") +
                                         kNameCollation);
  bindText(query, 1, category);
  QStringList names;
  while (query.executeStep()) names << columnText(query, 0);
  return names;
}

void Catalogue::ensureNameOrderIndexes(Database& db) {
  const std::string collation = kNameCollation;
  db.sql().exec(R"(CREATE INDEX IF NOT EXISTS "商品_名称序" ON "商品" ("名称" COLLATE )" + collation + ");" +
                R"(CREATE INDEX IF NOT EXISTS "商品_分类名称序" ON "商品" ("分类", "名称" COLLATE )" + collation + ");");
}

}  // namespace store
