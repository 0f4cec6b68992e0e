// Start-up gives existing files the indexes the history list and the reports read.
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>

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
  EXPECT_EQ(indexesOf(mainDb), (QStringList{"档案_ID号", "档案_姓名日期", "档案_就诊日期", "档案_序号筛选", "档案_拼音日期", "档案_日期金额"}));
  EXPECT_EQ(indexesOf(stockDb, "销售管理"), salesIndexes);
}

}  // namespace
