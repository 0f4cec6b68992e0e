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
  // One statement a changed row: an import or a key rebuild writes every row. A rowid is
  // never changed by the program, so a row keeps the rowid it is logged under.
  main.sql().exec(R"(
    CREATE TABLE IF NOT EXISTS "目录变更" ("序" INTEGER PRIMARY KEY, "行" INTEGER NOT NULL);
    CREATE TRIGGER IF NOT EXISTS "商品_添加记变更" AFTER INSERT ON "商品"
      BEGIN INSERT INTO "目录变更" ("行") VALUES (NEW.rowid); END;
    CREATE TRIGGER IF NOT EXISTS "商品_删除记变更" AFTER DELETE ON "商品"
      BEGIN INSERT INTO "目录变更" ("行") VALUES (OLD.rowid); END;
    CREATE TRIGGER IF NOT EXISTS "商品_修改记变更"
      AFTER UPDATE OF "ID号", "名称", "常用量", "单位", "用法", "查询", "分类" ON "商品"
      WHEN OLD."ID号" IS NOT NEW."ID号" OR OLD."名称" IS NOT NEW."名称" OR OLD."常用量" IS NOT NEW."常用量"
        OR OLD."单位" IS NOT NEW."单位" OR OLD."用法" IS NOT NEW."用法" OR OLD."查询" IS NOT NEW."查询"
        OR OLD."分类" IS NOT NEW."分类"
      BEGIN INSERT INTO "目录变更" ("行") VALUES (NEW.rowid); END;)");
  // The latest entry always stays, so that the numbers go on from it.
  SQLite::Statement prune(main.sql(), R"(DELETE FROM "目录变更" WHERE "序" <= (SELECT max("序") FROM "目录变更") - ?)");
  prune.bind(1, static_cast<int64_t>(kKeptCatalogueChanges));
  prune.exec();
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

namespace store {

std::optional<std::int64_t> lastCatalogueChange(Database& main) {
  try {
    SQLite::Statement triggers(main.sql(), R"(SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND
        name IN ('商品_添加记变更', '商品_删除记变更', '商品_修改记变更'))");
    if (!triggers.executeStep() || triggers.getColumn(0).getInt() != 3) return std::nullopt;
    SQLite::Statement q(main.sql(), R"(SELECT ifnull(max("序"), 0) FROM "目录变更")");
    if (!q.executeStep()) return std::nullopt;
    return q.getColumn(0).getInt64();
  } catch (const SQLite::Exception&) {
    return std::nullopt;  // no such table
  }
}

std::optional<std::vector<std::int64_t>> catalogueRowsChangedAfter(Database& main, std::int64_t after) {
  // The entries are numbered one after another: none is missing after `after` when they
  // are as many as their numbers say.
  SQLite::Statement held(main.sql(), R"(SELECT count(*), ifnull(max("序"), ?1) FROM "目录变更" WHERE "序" > ?1)");
  held.bind(1, static_cast<int64_t>(after));
  if (!held.executeStep() || held.getColumn(0).getInt64() != held.getColumn(1).getInt64() - after)
    return std::nullopt;
  SQLite::Statement q(main.sql(), R"(SELECT DISTINCT "行" FROM "目录变更" WHERE "序" > ? ORDER BY "行")");
  q.bind(1, static_cast<int64_t>(after));
  std::vector<std::int64_t> rows;
  while (q.executeStep()) rows.push_back(q.getColumn(0).getInt64());
  return rows;
}

}  // namespace store
