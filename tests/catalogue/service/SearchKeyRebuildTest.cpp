// The search-key rebuild of the main window's close, on a main database made from the
// template.
#include "catalogue/service/SearchKeyRebuild.h"
#include "prescription/service/CatalogListing.h"
#include "store/KeptConnection.h"
#include "store/NameOrder.h"
#include "store/SearchKeyColumn.h"
#include "support/MainDbFixture.h"
#include "text/SearchKeys.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <string_view>

#include <gtest/gtest.h>

namespace {

using testing_support::MainDbTest;

TEST_F(MainDbTest, KeyRebuildFollowsTheFirstRowsKey) {
  struct Case {
    const char* label;
    const char* firstKey;  // nullptr: no value
    bool rebuilt;
  } cases[] = {
      {"first key without $", "0.5%甲硝唑注射液-05jxzzsy-1212434", true},
      {"first key with $", "0.5%甲硝唑注射液-05jxzzsy-1212434$", false},
      {"first key with no value", nullptr, false},
      {"first key empty", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    exec(R"(DELETE FROM "商品")");
    addDrug("1", "0.5%甲硝唑注射液", c.firstKey ? QString::fromUtf8(c.firstKey) : QString());
    addDrug("2", "桂枝", "old");  // later rows are not looked at
    addDrug("3", "{复方}甘草片", "");
    const catalogue::KeyRebuild result = catalogue::rebuildSearchKeys(db, strokes);
    if (c.rebuilt) {
      EXPECT_EQ(result.catalogueKeys, 3);
      const QStringList keys = column("商品", "查询");
      ASSERT_EQ(keys.size(), 3);
      EXPECT_EQ(keys[0], "0.5%甲硝唑注射液-05jxzzsy-1212434$");
      EXPECT_EQ(keys[1], text::CatalogSearchKey("桂枝", strokes));
      EXPECT_TRUE(keys[2].startsWith("{复方}甘草片-")) << keys[2].toStdString();
      for (const QString& key : keys) EXPECT_TRUE(key.endsWith('$'));
    } else {
      EXPECT_EQ(result.catalogueKeys, 0);
      EXPECT_EQ(column("商品", "查询")[1], "old");
    }
  }
}

TEST_F(MainDbTest, AnEmptyCatalogueChangesNothingAndTemplatesOfEveryKindAreRebuilt) {
  addTemplate("桂枝汤", "桂枝汤gzt", "中药方剂");
  addTemplate("感冒病历", "x", "病历模板");
  addTemplate(QString(), "y", "病历常用语");  // a template without a name gets the key of ""
  const catalogue::KeyRebuild result = catalogue::rebuildSearchKeys(db, strokes);
  EXPECT_EQ(result.catalogueKeys, 0);
  EXPECT_EQ(result.templateKeys, 3);
  EXPECT_EQ(column("个人模板", "查询"),
            (QStringList{"桂枝汤gzt11441533$", text::TemplateSearchKey("感冒病历", strokes), "$"}));

  // Complete keys: a later close only looks.
  EXPECT_EQ(catalogue::rebuildSearchKeys(db, strokes).templateKeys, 0);
}

TEST_F(MainDbTest, ARowThatCannotTakeItsKeyKeepsTheOldOneAndTheWalkGoesOn) {
  addDrug("1", "桂枝", "stale");
  addDrug("2", "麻黄", "locked");
  addDrug("3", "杏仁", "stale");
  // Stands for a row locked by another workstation.
  exec(R"(CREATE TRIGGER locked BEFORE UPDATE OF "查询" ON "商品" WHEN OLD."名称" = '麻黄'
          BEGIN SELECT RAISE(ABORT, 'locked'); END)");
  addTemplate("桂枝汤", "", "中药方剂");
  const catalogue::KeyRebuild result = catalogue::rebuildSearchKeys(db, strokes);
  EXPECT_EQ(result.catalogueKeys, 2);
  EXPECT_EQ(result.refused, 1);
  const QStringList keys = column("商品", "查询");
  EXPECT_EQ(keys[0], text::CatalogSearchKey("桂枝", strokes));
  EXPECT_EQ(keys[1], "locked");
  EXPECT_EQ(keys[2], text::CatalogSearchKey("杏仁", strokes));
  EXPECT_EQ(column("个人模板", "查询"), QStringList{"桂枝汤gzt11441533$"}) << "the next table still runs";
}

TEST_F(MainDbTest, AMissingTableIsPassedOver) {
  exec(R"(DROP TABLE "商品")");
  addTemplate("桂枝汤", "", "中药方剂");
  EXPECT_EQ(catalogue::rebuildSearchKeys(db, strokes).templateKeys, 1);
  EXPECT_EQ(catalogue::rebuildSearchKeys(folder.sub("absent.dat"), strokes).templateKeys, 0);
}

// The indexes that hold the key are dropped and made again around the rebuild: the file
// ends as the row-by-row rewrite leaves it, with the same indexes, the same list order
// and the catalogue version raised for the other workstations.
TEST_F(MainDbTest, RebuildLeavesTheFileAsARowByRowRewriteDoes) {
  // Names sharing their first run, equal names in both categories, Latin and digits.
  const QStringList names{"黄芪", "黄芪12", "黄芪2", "当归", "当归", "Vc片", "vc片", "甘草", "甘草片", "10%葡萄糖", "白术"};
  {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类") VALUES (?, ?, ?, ?))");
    for (int i = 0; i < 60; ++i) {
      store::bindText(q, 1, QString::number(i));
      store::bindText(q, 2, names[i % names.size()] + (i % 4 ? QString() : QString::number(i)));
      store::bindText(q, 3, i % 5 ? QStringLiteral("old%1").arg(59 - i) : QString(""));
      store::bindText(q, 4, i % 3 ? QStringLiteral("中药") : QStringLiteral("西药"));
      q.exec();
      q.reset();
    }
    d.exec(R"(CREATE UNIQUE INDEX "商品_编号查询" ON "商品" ("ID号", "查询"))");
  }
  const QString copy = folder.sub("copy.dat");
  ASSERT_TRUE(QFile::copy(db, copy));

  const auto state = [](const QString& path) {
    store::Database d(path, store::Database::Mode::ReadOnly);
    QStringList out;
    for (const char* sql :
         {R"(SELECT rowid || ' ' || "查询" FROM "商品" ORDER BY rowid)",
          R"(SELECT rowid FROM "商品" INDEXED BY "商品_目录序" ORDER BY "名称" COLLATE ZHNAME, "分类", "查询")",
          R"(SELECT name || ' ' || sql FROM sqlite_master WHERE tbl_name = '商品' ORDER BY name)",
          R"(SELECT "版本" > 0 FROM "目录版本")", "PRAGMA integrity_check"}) {
      SQLite::Statement q(d.sql(), sql);
      while (q.executeStep()) out << store::columnText(q, 0);
    }
    return out;
  };

  // A drug list kept open across the close, as another window or workstation keeps it.
  store::KeptConnection window(db);
  const prescription::CatalogQuery byInitials{prescription::CatalogQuery::Table::Catalogue, "hq",
                                              prescription::CatalogQuery::Match::EndsWith, ""};
  const auto listed = [&] {
    QStringList ids;
    for (const prescription::ListEntry& e : prescription::runListing(window, byInitials)) ids << e.key;
    return ids;
  };
  const auto queried = [&] {
    store::Database d(db, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), R"(SELECT "ID号" FROM "商品" WHERE instr(lower("查询"), 'hq') > 0)"
                                 R"( ORDER BY "名称" COLLATE ZHNAME, rowid)");
    QStringList ids;
    while (q.executeStep()) ids << store::columnText(q, 0);
    return ids;
  };
  ASSERT_TRUE(listed().isEmpty());  // no stored key holds the initials yet

  EXPECT_EQ(catalogue::rebuildSearchKeys(db, strokes).catalogueKeys, 60);
  // Edits by another workstation after the close, before the list looks again: the list
  // still sees every key the rebuild wrote, and later edits are read on their own.
  const char* laterEdits[] = {
      R"(UPDATE "商品" SET "名称" = '白芍', "查询" = '白芍-bs-1$' WHERE "ID号" = '12')",
      R"(UPDATE "商品" SET "查询" = '黄芪-hq-2$' WHERE "ID号" = '40')",
  };
  store::Database(db).sql().exec(laterEdits[0]);
  ASSERT_FALSE(queried().isEmpty());
  EXPECT_EQ(listed(), queried());
  const std::uint64_t changeReads = prescription::catalogueChangeReadCount();
  const std::uint64_t wholeReads = prescription::catalogueReadCount();
  store::Database(db).sql().exec(laterEdits[1]);
  EXPECT_EQ(listed(), queried());
  EXPECT_EQ(prescription::catalogueChangeReadCount(), changeReads + 1);
  EXPECT_EQ(prescription::catalogueReadCount(), wholeReads);
  {
    store::Database d(copy);
    d.exec(R"(UPDATE "目录版本" SET "版本" = 0)");
    store::SearchKeyColumn keys(d, "商品");
    std::vector<store::KeyWrite> writes;
    for (const store::NamedRow& row : keys.names())
      writes.push_back({row.rowid, text::CatalogSearchKey(row.name.value_or(""), strokes)});
    int refused = 0;
    EXPECT_EQ(keys.writeKeys(writes, refused), 60);
    for (const char* edit : laterEdits) d.sql().exec(edit);
  }
  const QStringList rebuilt = state(db);
  EXPECT_EQ(rebuilt, state(copy));
  EXPECT_TRUE(rebuilt.contains(QStringLiteral("商品_目录序 CREATE INDEX \"商品_目录序\" ON \"商品\" (\"名称\" COLLATE ZHNAME, \"分类\")")))
      << rebuilt.join('\n').toStdString();
  EXPECT_EQ(rebuilt.last(), "ok");
}

}  // namespace
