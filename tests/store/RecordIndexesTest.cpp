// Start-up gives existing files the indexes the history list and the reports read; the
// one that takes seconds on a large file is left to the close, which gives it up when out
// of time.
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/RecordsRepository.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <gtest/gtest.h>

namespace {

QStringList indexesOf(const QString& path, const QString& table = QStringLiteral("档案")) {
  store::Database db(path, store::Database::Mode::ReadOnly);
  SQLite::Statement q(db.sql(), R"(SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? ORDER BY name)");
  store::bindText(q, 1, table);
  QStringList names;
  while (q.executeStep()) names << store::columnText(q, 0);
  return names;
}

TEST(RecordIndexes, StartUpAddsThemToAnOldFile) {
  testing_support::TempFolder folder;
  startup::writeMissingTemplates(folder.path());
  const QDir dir(folder.path());
  const QString mainDb = dir.filePath(startup::kMainDbFile);
  store::Database(mainDb).exec(R"(DROP INDEX IF EXISTS "档案_就诊日期"; DROP INDEX IF EXISTS "档案_姓名日期";)"
                               R"(DROP INDEX IF EXISTS "档案_拼音日期"; DROP INDEX IF EXISTS "档案_日期金额";)"
                               R"(DROP INDEX IF EXISTS "档案_序号筛选";)");
  ASSERT_EQ(indexesOf(mainDb), QStringList{"档案_ID号"});
  const QString stockDb = dir.filePath(startup::kStockDbFile);
  const QStringList salesIndexes{"销售管理_ID号", "销售管理_日期", "销售管理_日期明细", "销售管理_日期统计"};
  ASSERT_EQ(indexesOf(stockDb, "销售管理"), salesIndexes);
  store::Database(stockDb).exec(R"(DROP INDEX "销售管理_日期"; DROP INDEX "销售管理_日期明细"; DROP INDEX "销售管理_日期统计";)");

  startup::ensureQueryIndexes(mainDb, stockDb);
  EXPECT_EQ(indexesOf(mainDb), (QStringList{"档案_ID号", "档案_姓名日期", "档案_就诊日期", "档案_拼音日期", "档案_日期金额"}));
  EXPECT_EQ(indexesOf(stockDb, "销售管理"), salesIndexes);
}

// A main file of an earlier build: records, and no pages index.
class LeftForTheClose : public testing::Test {
 protected:
  void SetUp() override {
    startup::writeMissingTemplates(folder.path());
    state.mainDbPath = QDir(folder.path()).filePath(startup::kMainDbFile);
    store::Database db(state.mainDbPath);
    db.exec(QStringLiteral(R"(DROP INDEX "%1";)").arg(QString::fromUtf8(store::kHistoryPagesIndex)));
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement add(db.sql(), R"(INSERT INTO "档案" ("序号", "0", "5", "40") VALUES (?, '王伟', '2024-03-01', 'wangwei'))");
    for (int i = 0; i < 5000; ++i) {
      store::bindText(add, 1, QStringLiteral("2024%1A").arg(i, 8, 10, QLatin1Char('0')));
      add.exec();
      add.reset();
    }
    transaction.commit();
  }
  bool holdsPagesIndex() const {
    return indexesOf(state.mainDbPath).contains(QString::fromUtf8(store::kHistoryPagesIndex));
  }

  testing_support::TempFolder folder;
  startup::AppState state;
};

TEST_F(LeftForTheClose, TheCloseMakesThePagesIndexThatStartUpLeftOut) {
  startup::ensureQueryIndexes(state.mainDbPath, QDir(folder.path()).filePath(startup::kStockDbFile));
  ASSERT_FALSE(holdsPagesIndex()) << "start-up would hold the lock for seconds on a large file";

  EXPECT_TRUE(startup::makeIndexesLeftForTheClose(state));
  EXPECT_TRUE(holdsPagesIndex());
  EXPECT_TRUE(startup::makeIndexesLeftForTheClose(state)) << "a file that holds it is left as it is";
}

TEST_F(LeftForTheClose, OutOfTimeItWritesNothing) {
  EXPECT_FALSE(startup::makeIndexesLeftForTheClose(state, 0));
  EXPECT_FALSE(holdsPagesIndex());
  store::Database db(state.mainDbPath, store::Database::Mode::ReadOnly);
  SQLite::Statement check(db.sql(), "PRAGMA integrity_check");
  ASSERT_TRUE(check.executeStep());
  EXPECT_EQ(store::columnText(check, 0), "ok");
  EXPECT_FALSE(QFileInfo::exists(state.mainDbPath + "-journal"));
}

TEST_F(LeftForTheClose, AWorkstationOnTheHostsShareLeavesItToTheHost) {
  state.networkMode = true;
  EXPECT_FALSE(startup::makeIndexesLeftForTheClose(state));
  EXPECT_FALSE(holdsPagesIndex());
}

}  // namespace
