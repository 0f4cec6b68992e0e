// The store's failure policy and repositories on real files: a missing file told from an
// unreadable one, the main and inventory files written as one unit, a stored NULL told
// from the empty text, name order through the collation index.
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Catalogue.h"
#include "store/DataFile.h"
#include "store/JointTransaction.h"
#include "store/SettingsRow.h"
#include "support/FileFaults.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using testing_support::Damage;

class StoreTest : public ::testing::Test {
 protected:
  StoreTest() {
    startup::writeMissingTemplates(folder.path());
    main = QDir(folder.path()).filePath(startup::kMainDbFile);
    stock = QDir(folder.path()).filePath(startup::kStockDbFile);
  }
  int count(const QString& path, const char* sql) {
    store::Database db(path);
    SQLite::Statement q(db.sql(), sql);
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
  }

  testing_support::TempFolder folder;
  testing_support::ShortBusyTimeout shortWait{150};
  QString main;
  QString stock;
};

TEST_F(StoreTest, AMissingFileIsToldApartFromOneThatCannotBeRead) {
  EXPECT_FALSE(store::openIfPresent(folder.sub("absent.dat")).has_value());
  EXPECT_FALSE(QFileInfo::exists(folder.sub("absent.dat"))) << "never created";
  EXPECT_THROW(store::openExisting(folder.sub("absent.dat")), store::StoreError);

  struct Case {
    Damage damage;
    bool opens;  // a zero-byte file is an empty database: only its tables are missing
  } cases[] = {{Damage::ZeroBytes, true}, {Damage::Garbage, false}, {Damage::Folder, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing_support::damageName(c.damage));
    const QString path = folder.sub("damaged.dat");
    testing_support::damage(path, c.damage);
    if (!c.opens) {
      EXPECT_THROW(store::openIfPresent(path), store::StoreError);
      continue;
    }
    store::Database db = store::openExisting(path);
    try {
      store::requireTables(db, {"设置"});
      ADD_FAILURE() << "a file without its tables passed";
    } catch (const store::StoreError& e) {
      EXPECT_EQ(e.reason(), "缺少数据表“设置”");
    }
  }

  testing_support::ExclusiveLock lock(main);
  try {
    store::openExisting(main);
    ADD_FAILURE() << "a locked file opened";
  } catch (const store::StoreError& e) {
    EXPECT_EQ(e.reason(), "文件正被其他程序或工作站占用");
  }
}

TEST_F(StoreTest, TheMainAndInventoryFilesCommitOrRollBackAsOneUnit) {
  const auto writeBoth = [](store::JointTransaction& t) {
    t.db().exec(R"(UPDATE "商品" SET "斗位" = '99' WHERE "名称" = '0.5%甲硝唑注射液')");
    t.db().exec(R"(INSERT INTO "销售管理" ("ID号", "名称", "数量") VALUES ('P1', '0.5%甲硝唑注射液', '1'))");
  };
  {
    store::JointTransaction t(main, stock);
    writeBoth(t);
    // Left without commit, as when the work in between throws.
  }
  EXPECT_EQ(count(main, R"(SELECT count(*) FROM "商品" WHERE "斗位" = '99')"), 0);
  EXPECT_EQ(count(stock, R"(SELECT count(*) FROM "销售管理")"), 0);
  {
    store::JointTransaction t(main, stock);
    writeBoth(t);
    t.commit();
  }
  EXPECT_EQ(count(main, R"(SELECT count(*) FROM "商品" WHERE "斗位" = '99')"), 1);
  EXPECT_EQ(count(stock, R"(SELECT count(*) FROM "销售管理")"), 1);

  // Another workstation writing the inventory file: the unit does not start.
  {
    testing_support::ExclusiveLock lock(stock);
    EXPECT_THROW(store::JointTransaction(main, stock), store::StoreError);
  }
  // A missing inventory file is not made by the attach.
  EXPECT_THROW(store::JointTransaction(main, folder.sub("absent.dat")), store::StoreError);
  EXPECT_FALSE(QFileInfo::exists(folder.sub("absent.dat")));
}

TEST_F(StoreTest, TheSettingsRowKeepsNoValueApartFromTheEmptyText) {
  store::Database db(main);
  store::SettingsRow row(db);
  std::optional<store::SettingsRecord> record = row.read();
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->unitName, "示例卫生所");
  EXPECT_EQ(record->orientation, std::nullopt) << "备用1 ships with no value";
  EXPECT_EQ(record->printers[0], std::nullopt);

  record->unitName = QStringLiteral("");
  record->physician = std::nullopt;
  ASSERT_TRUE(row.write(*record));
  record = row.read();
  EXPECT_EQ(record->unitName, QStringLiteral(""));
  EXPECT_EQ(record->physician, std::nullopt);
  EXPECT_EQ(row.password(), std::optional<std::optional<QString>>(QStringLiteral("691\n")));

  db.exec(R"(DELETE FROM "设置")");
  EXPECT_FALSE(row.read().has_value());
  EXPECT_FALSE(row.write(store::SettingsRecord{})) << "no row is ever added";
  EXPECT_FALSE(row.password().has_value());
}

TEST_F(StoreTest, ACategoryListsInNameOrderThroughItsIndex) {
  store::Database db(main);
  db.exec(R"(DELETE FROM "商品";
             INSERT INTO "商品" ("ID号", "名称", "分类") VALUES
               ('1', '白芍', '中药'), ('2', '0.9%氯化钠', '中药'), ('3', '阿胶', '中药'),
               ('4', 'Vc片', '中药'), ('5', '川芎', '中药'), ('6', '阿莫西林', '西成药·抗生素');)");
  store::Catalogue catalogue(db);
  EXPECT_EQ(catalogue.namesInCategory("中药"), (QStringList{"0.9%氯化钠", "Vc片", "阿胶", "白芍", "川芎"}));

  SQLite::Statement plan(db.sql(), std::string(R"(EXPLAIN QUERY PLAN SELECT "名称" FROM "商品" WHERE "分类" = '中药'
                                                    ORDER BY "名称" COLLATE )") + store::kNameCollation);
  QString steps;
  while (plan.executeStep()) steps += store::columnText(plan, 3) + u'\n';
  EXPECT_TRUE(steps.contains("商品_分类名称序")) << steps.toStdString();
  EXPECT_FALSE(steps.contains("TEMP B-TREE")) << "no sort at query time: " << steps.toStdString();
}

}  // namespace
