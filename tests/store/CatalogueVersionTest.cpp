// The catalogue's version: which writes raise it, and start-up giving it to older files.
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/CatalogueVersion.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

class CatalogueVersionTest : public ::testing::Test {
 protected:
  CatalogueVersionTest() {
    startup::writeMissingTemplates(folder.path());
    const QDir dir(folder.path());
    mainDb = dir.filePath(startup::kMainDbFile);
    stockDb = dir.filePath(startup::kStockDbFile);
  }
  std::optional<std::int64_t> version() {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    return store::catalogueVersion(db);
  }
  void exec(const char* sql) { store::Database(mainDb).exec(QString::fromUtf8(sql)); }
  // The log's last change number, and the rows changed after `after`.
  std::pair<std::optional<std::int64_t>, std::vector<std::int64_t>> changeLog(std::int64_t after = 0) {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    const std::optional<std::int64_t> last = store::lastCatalogueChange(db);
    if (!last) return {last, {}};
    return {last, store::catalogueRowsChangedAfter(db, after).value_or(std::vector<std::int64_t>{-1})};
  }

  testing_support::TempFolder folder;
  QString mainDb, stockDb;
};

// Each write that raises the version logs the rows it changed, and no other.
TEST_F(CatalogueVersionTest, RisesWithTheCatalogueAndOnlyWithIt) {
  exec(R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法","斗位","单价")
          VALUES ('v1','黄芪','黄芪-hq-1$','中药','10g','g','','5','0.3'))");
  struct Case {
    const char* write;
    int rise;
  };
  const Case cases[] = {
      {R"(UPDATE "商品" SET "斗位" = '4' WHERE "ID号" = 'v1')", 0},
      {R"(UPDATE "商品" SET "单价" = '0.4', "备用1" = '0.2', "备用2" = 'A3', "拼音" = 'hq' WHERE "ID号" = 'v1')", 0},
      // a listed column written with the value it had
      {R"(UPDATE "商品" SET "名称" = '黄芪', "常用量" = '10g', "斗位" = '3' WHERE "ID号" = 'v1')", 0},
      {R"(INSERT INTO "档案" ("序号", "0") VALUES ('20261210190000BE01', '张三'))", 0},
      {R"(INSERT INTO "诊断" ("拼音", "序号", "名称") VALUES ('诊断名称', '咳嗽', '咳嗽-ks'))", 0},
      {R"(UPDATE "商品" SET "ID号" = 'v2' WHERE "ID号" = 'v1')", 1},
      {R"(UPDATE "商品" SET "名称" = '黄耆' WHERE "ID号" = 'v2')", 1},
      {R"(UPDATE "商品" SET "常用量" = '15g' WHERE "ID号" = 'v2')", 1},
      {R"(UPDATE "商品" SET "单位" = NULL WHERE "ID号" = 'v2')", 1},
      {R"(UPDATE "商品" SET "用法" = '先煎' WHERE "ID号" = 'v2')", 1},
      {R"(UPDATE "商品" SET "查询" = '黄耆-hq-1$' WHERE "ID号" = 'v2')", 1},
      {R"(UPDATE "商品" SET "分类" = '中成药' WHERE "ID号" = 'v2')", 1},
      {R"(INSERT INTO "商品" ("ID号","名称") VALUES ('v3','白芷'), ('v4','党参'))", 2},
      {R"(DELETE FROM "商品" WHERE "ID号" IN ('v3','v4'))", 2},
  };
  for (const Case& c : cases) {
    const std::optional<std::int64_t> before = version();
    ASSERT_TRUE(before);
    const std::int64_t lastChange = *changeLog().first;
    exec(c.write);
    EXPECT_EQ(version(), *before + c.rise) << c.write;
    EXPECT_EQ(changeLog(lastChange).second.size(), static_cast<size_t>(c.rise)) << c.write;
  }
}

TEST_F(CatalogueVersionTest, TheChangeLogNamesEachChangedRowOnceAndStartUpDropsOldEntries) {
  exec(R"(DELETE FROM "商品";
          INSERT INTO "商品" ("ID号","名称") VALUES ('a','白芷'), ('b','党参'), ('c','黄芪');)");
  const std::int64_t start = *changeLog().first;
  const auto rowidOf = [&](const char* id) {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), R"(SELECT rowid FROM "商品" WHERE "ID号" = ?)");
    q.bind(1, id);
    return q.executeStep() ? q.getColumn(0).getInt64() : -1;
  };
  const std::int64_t a = rowidOf("a"), b = rowidOf("b"), c = rowidOf("c");
  // a row changed twice, an insert ignored for its key (no change), a removed row, and a
  // new row added by an insert that ignores conflicts
  exec(R"(UPDATE "商品" SET "名称" = '白芍' WHERE "ID号" = 'c';
          UPDATE "商品" SET "名称" = '白术' WHERE "ID号" = 'c';
          UPDATE "商品" SET "名称" = '白术' WHERE "ID号" = 'a';
          INSERT OR IGNORE INTO "商品" ("ID号","名称") VALUES ('a','重复');
          DELETE FROM "商品" WHERE "ID号" = 'b';
          INSERT OR IGNORE INTO "商品" ("ID号","名称") VALUES ('d','当归');)");
  const auto [last, rows] = changeLog(start);
  std::vector<std::int64_t> expected = {a, b, c, rowidOf("d")};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(*last - start, 5);
  EXPECT_TRUE(changeLog(*last).second.empty());

  // start-up keeps the latest entries; a reader from before them is told so
  exec(R"(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100010)
          INSERT INTO "目录变更" ("行") SELECT 7 FROM n;)");
  ASSERT_TRUE(startup::ensureQueryIndexes(mainDb, stockDb));
  const std::int64_t end = *changeLog().first;
  EXPECT_EQ(end, *last + 100010);
  EXPECT_EQ(changeLog(start).second, std::vector<std::int64_t>{-1});  // no longer all held
  EXPECT_EQ(changeLog(end - store::kKeptCatalogueChanges).second, std::vector<std::int64_t>{7});
  EXPECT_EQ(changeLog(end - store::kKeptCatalogueChanges - 1).second, std::vector<std::int64_t>{-1});
}

TEST_F(CatalogueVersionTest, StartUpGivesItToAnOldFileAndLeavesAKeptOneAsItIs) {
  exec(R"(DROP TRIGGER "商品_添加改版本"; DROP TRIGGER "商品_删除改版本"; DROP TRIGGER "商品_修改改版本";
          DROP TABLE "目录版本";
          DROP TRIGGER "商品_添加记变更"; DROP TRIGGER "商品_删除记变更"; DROP TRIGGER "商品_修改记变更";
          DROP TABLE "目录变更";)");
  ASSERT_EQ(version(), std::nullopt);
  ASSERT_EQ(changeLog().first, std::nullopt);

  ASSERT_TRUE(startup::ensureQueryIndexes(mainDb, stockDb));
  const std::optional<std::int64_t> first = version();
  ASSERT_TRUE(first);
  EXPECT_EQ(changeLog().first, 0);  // an empty log: every row is read with the catalogue
  exec(R"(INSERT INTO "商品" ("ID号","名称") VALUES ('v1','白芷'))");
  EXPECT_EQ(version(), *first + 1);
  exec(R"(UPDATE "商品" SET "名称" = '白芍' WHERE "ID号" = 'v1')");
  EXPECT_EQ(version(), *first + 2);

  // a later start neither resets the version nor adds a second row or trigger
  ASSERT_TRUE(startup::ensureQueryIndexes(mainDb, stockDb));
  EXPECT_EQ(version(), *first + 2);
  {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    SQLite::Statement rows(db.sql(), R"(SELECT count(*) FROM "目录版本")");
    ASSERT_TRUE(rows.executeStep());
    EXPECT_EQ(rows.getColumn(0).getInt(), 1);
  }
  exec(R"(DELETE FROM "商品" WHERE "ID号" = 'v1')");
  EXPECT_EQ(version(), *first + 3);
}

}  // namespace
