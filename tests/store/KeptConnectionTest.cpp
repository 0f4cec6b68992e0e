// A window's kept connection: one file opening for many uses, no lock held between them,
// opened again after a failure and when another file was put at the path.
#include "store/DataFile.h"
#include "store/KeptConnection.h"
#include "support/FileFaults.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class KeptConnectionTest : public ::testing::Test {
 protected:
  KeptConnectionTest() {
    path = folder.sub("数据库.dat");
    make(path, "一");
  }
  static void make(const QString& at, const QString& word) {
    store::Database db(at, store::Database::Mode::Create);
    db.exec(QStringLiteral(R"(CREATE TABLE "词" ("字" TEXT); INSERT INTO "词" VALUES ('%1');)").arg(word));
  }
  static QString word(store::KeptConnection& kept) {
    return kept.use([](store::Database& db) {
      SQLite::Statement q(db.sql(), R"(SELECT group_concat("字", '') FROM "词")");
      q.executeStep();
      return store::columnText(q, 0);
    });
  }

  const testing_support::ShortBusyTimeout shortWait;
  testing_support::TempFolder folder;
  QString path;
};

TEST_F(KeptConnectionTest, ManyUsesShareOneOpeningAndHoldNoLockBetweenThem) {
  store::KeptConnection kept(path);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(word(kept), "一");
    // another workstation can write at once between two uses
    store::Database other(path);
    EXPECT_NO_THROW(other.exec(QStringLiteral(R"(BEGIN EXCLUSIVE; INSERT INTO "词" VALUES ('二'); COMMIT;)")));
    other.exec(QStringLiteral(R"(DELETE FROM "词" WHERE "字" = '二')"));
  }
  // a write through the kept connection is seen by others at once
  kept.use([](store::Database& db) { db.exec(QStringLiteral(R"(UPDATE "词" SET "字" = '三')")); });
  store::Database other(path, store::Database::Mode::ReadOnly);
  SQLite::Statement q(other.sql(), R"(SELECT "字" FROM "词")");
  ASSERT_TRUE(q.executeStep());
  EXPECT_EQ(store::columnText(q, 0), "三");
  EXPECT_EQ(kept.opened(), 1);
}

TEST_F(KeptConnectionTest, AFailedUseIsFollowedByAFreshOpening) {
  store::KeptConnection kept(path);
  EXPECT_EQ(word(kept), "一");
  {
    const testing_support::ExclusiveLock lock(path);
    EXPECT_THROW(word(kept), SQLite::Exception);
  }
  EXPECT_EQ(word(kept), "一");
  EXPECT_EQ(kept.opened(), 2);
}

TEST_F(KeptConnectionTest, AnotherFilePutAtThePathIsOpenedInsteadOfTheOldOne) {
  store::KeptConnection kept(path);
  EXPECT_EQ(word(kept), "一");
  const QString copy = folder.sub("副本.dat");
  make(copy, "四");
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QFile::rename(copy, path));
  EXPECT_EQ(word(kept), "四");
  EXPECT_EQ(kept.opened(), 2);
}

TEST_F(KeptConnectionTest, AMissingFileIsReportedAndNotMade) {
  store::KeptConnection kept(folder.sub("无此文件.dat"));
  try {
    word(kept);
    FAIL() << "a missing file was opened";
  } catch (const store::StoreError& e) {
    EXPECT_EQ(e.reason(), store::kFileMissing);
  }
  EXPECT_FALSE(QFile::exists(folder.sub("无此文件.dat")));
}

}  // namespace
