// Start-up gives an existing main file the indexes the history list reads.
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList indexesOf(const QString& path) {
  store::Database db(path, store::Database::Mode::ReadOnly);
  SQLite::Statement q(db.sql(), R"(SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = '档案' ORDER BY name)");
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
                               R"(DROP INDEX IF EXISTS "档案_拼音日期"; DROP INDEX IF EXISTS "档案_日期金额";)");
  ASSERT_EQ(indexesOf(mainDb), QStringList{"档案_ID号"});

  startup::ensureQueryIndexes(mainDb, dir.filePath(startup::kStockDbFile));
  EXPECT_EQ(indexesOf(mainDb), (QStringList{"档案_ID号", "档案_姓名日期", "档案_就诊日期", "档案_拼音日期", "档案_日期金额"}));

}

}  // namespace
