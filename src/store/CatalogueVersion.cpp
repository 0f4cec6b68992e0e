#include "store/CatalogueVersion.h"

namespace store {

void ensureCatalogueVersion(Database& main) {
  // An update raises the version only when a listed column really changes: the catalogue
  // window rewrites every column of a row whose stock alone was edited.
  main.sql().exec(R"(
    CREATE TABLE IF NOT EXISTS "目录版本" ("版本" INTEGER NOT NULL);
    INSERT INTO "目录版本" ("版本") SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM "目录版本");
    CREATE TRIGGER IF NOT EXISTS "商品_添加改版本" AFTER INSERT ON "商品"
      BEGIN UPDATE "目录版本" SET "版本" = "版本" + 1; END;
    CREATE TRIGGER IF NOT EXISTS "商品_删除改版本" AFTER DELETE ON "商品"
      BEGIN UPDATE "目录版本" SET "版本" = "版本" + 1; END;
    CREATE TRIGGER IF NOT EXISTS "商品_修改改版本"
      AFTER UPDATE OF "ID号", "名称", "常用量", "单位", "用法", "查询", "分类" ON "商品"
      WHEN OLD."ID号" IS NOT NEW."ID号" OR OLD."名称" IS NOT NEW."名称" OR OLD."常用量" IS NOT NEW."常用量"
        OR OLD."单位" IS NOT NEW."单位" OR OLD."用法" IS NOT NEW."用法" OR OLD."查询" IS NOT NEW."查询"
        OR OLD."分类" IS NOT NEW."分类"
      BEGIN UPDATE "目录版本" SET "版本" = "版本" + 1; END;)");
}

std::optional<std::int64_t> catalogueVersion(Database& main) {
  try {
    SQLite::Statement q(main.sql(), R"(SELECT "版本" FROM "目录版本" LIMIT 1)");
    if (!q.executeStep() || q.getColumn(0).isNull()) return std::nullopt;
    return q.getColumn(0).getInt64();
  } catch (const SQLite::Exception&) {
    return std::nullopt;  // no such table
  }
}

}  // namespace store
