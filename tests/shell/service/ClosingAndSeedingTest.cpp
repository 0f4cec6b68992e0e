// The herbal-usage seeding of the main window's load and the search-key rebuild of its
// close, on a main database made from the template.
#include "shell/service/HerbalUsages.h"
#include "shell/service/SearchKeyRebuild.h"
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/ShippedTables.h"
#include "support/TempFolder.h"
#include "text/SearchKeys.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

class MainDbTest : public ::testing::Test {
 protected:
  MainDbTest() {
    startup::writeMissingTemplates(folder.path());
    db = QDir(folder.path()).filePath(startup::kMainDbFile);
    strokes = text::StrokeCoder(testing_support::shippedStrokeCodeTable());
    exec(R"(DELETE FROM "诊断"; DELETE FROM "商品"; DELETE FROM "个人模板";)");
  }
  void exec(const QString& sql) { store::Database(db).exec(sql); }
  // column values of a table in table order, NULL as "<null>"
  QStringList column(const QString& table, const QString& name) {
    store::Database d(db, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), QStringLiteral(R"(SELECT "%1" FROM "%2" ORDER BY rowid)").arg(name, table).toStdString());
    QStringList values;
    while (q.executeStep()) {
      const QString v = store::columnText(q, 0);
      values << (v.isNull() ? QStringLiteral("<null>") : v);
    }
    return values;
  }
  void addDrug(const QString& id, const QString& name, const QString& key) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类") VALUES (?, ?, ?, '中药'))");
    store::bindText(q, 1, id);
    store::bindText(q, 2, name);
    store::bindText(q, 3, key);
    q.exec();
  }
  void addTemplate(const QString& name, const QString& key, const QString& kind) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "个人模板" ("名称", "查询", "分类") VALUES (?, ?, ?))");
    store::bindText(q, 1, name);
    store::bindText(q, 2, key);
    store::bindText(q, 3, kind);
    q.exec();
  }

  testing_support::TempFolder folder;
  QString db;
  text::StrokeCoder strokes;
};

TEST_F(MainDbTest, AListWithoutHerbalUsagesGetsTheTwoPhrasesWithTheirKeys) {
  exec(R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES ('感冒', '诊断', '感冒-gm'))");
  const QStringList expected = {"用法：加水100ml分3次煎服。", "用法：水煎或酒水各半煎服。"};
  EXPECT_EQ(shell::seedHerbalUsages(db), expected);
  EXPECT_EQ(column("诊断", "序号"), (QStringList{"感冒"} + expected));
  EXPECT_EQ(column("诊断", "拼音"), (QStringList{"诊断", "中药用法", "中药用法"}));
  EXPECT_EQ(column("诊断", "名称"),
            (QStringList{"感冒-gm", "用法：加水100ml分3次煎服。-yfjs100mlf3cjf", "用法：水煎或酒水各半煎服。-yfsjhjsgbjf"}));

  // The next start finds them and adds nothing.
  EXPECT_EQ(shell::seedHerbalUsages(db), expected);
  EXPECT_EQ(column("诊断", "序号").size(), 3);
}

TEST_F(MainDbTest, UsagesPresentAreListedInTableOrderAndNothingIsAdded) {
  exec(R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES
            ('用法：饭后温服。', '中药用法', '用法：饭后温服。-yfwf'),
            ('头痛', '诊断', '头痛-tt'),
            ('用法：先煎石膏。', '中药用法', '用法：先煎石膏。-yfxjsg'))");
  EXPECT_EQ(shell::seedHerbalUsages(db), (QStringList{"用法：饭后温服。", "用法：先煎石膏。"}));
  EXPECT_EQ(column("诊断", "序号").size(), 3);
}

TEST_F(MainDbTest, AnUnreadableDatabaseSeedsNothing) {
  EXPECT_TRUE(shell::seedHerbalUsages(folder.sub("absent.dat")).isEmpty());
  exec(R"(DROP TABLE "诊断")");
  EXPECT_TRUE(shell::seedHerbalUsages(db).isEmpty());
}

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
    const shell::KeyRebuild result = shell::rebuildSearchKeys(db, strokes);
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
  const shell::KeyRebuild result = shell::rebuildSearchKeys(db, strokes);
  EXPECT_EQ(result.catalogueKeys, 0);
  EXPECT_EQ(result.templateKeys, 3);
  EXPECT_EQ(column("个人模板", "查询"),
            (QStringList{"桂枝汤gzt11441533$", text::TemplateSearchKey("感冒病历", strokes), "$"}));

  // Complete keys: a later close only looks.
  EXPECT_EQ(shell::rebuildSearchKeys(db, strokes).templateKeys, 0);
}

TEST_F(MainDbTest, ARowThatCannotTakeItsKeyKeepsTheOldOneAndTheWalkGoesOn) {
  addDrug("1", "桂枝", "stale");
  addDrug("2", "麻黄", "locked");
  addDrug("3", "杏仁", "stale");
  // Stands for a row locked by another workstation.
  exec(R"(CREATE TRIGGER locked BEFORE UPDATE OF "查询" ON "商品" WHEN OLD."名称" = '麻黄'
          BEGIN SELECT RAISE(ABORT, 'locked'); END)");
  addTemplate("桂枝汤", "", "中药方剂");
  const shell::KeyRebuild result = shell::rebuildSearchKeys(db, strokes);
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
  EXPECT_EQ(shell::rebuildSearchKeys(db, strokes).templateKeys, 1);
  EXPECT_EQ(shell::rebuildSearchKeys(folder.sub("absent.dat"), strokes).templateKeys, 0);
}

}  // namespace
