// Names put in order by their sort keys come in the order the name collation gives.
#include "store/NameOrder.h"

#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(NameOrder, SortKeysOrderNamesAsTheCollationDoes) {
  const QStringList names = {"黄芪", "0.9%氯化钠注射液", "阿莫西林胶囊", "Vc片", "vc", "当归", "当归尾", "白术",
                             "维生素B1片", "维生素B12片", "维生素b1", "10%葡萄糖", "甘草", "2型糖尿病", "阿司匹林"};
  testing_support::TempFolder folder;
  store::Database db(QDir(folder.path()).filePath("names.dat"), store::Database::Mode::Create);
  db.exec(QStringLiteral("CREATE TABLE t (name TEXT)"));
  for (const QString& name : names) {
    SQLite::Statement insert(db.sql(), "INSERT INTO t VALUES (?)");
    store::bindText(insert, 1, name);
    insert.exec();
  }
  SQLite::Statement q(db.sql(), std::string("SELECT name FROM t ORDER BY name COLLATE ") + store::kNameCollation + ", rowid");
  QStringList byCollation;
  while (q.executeStep()) byCollation << store::columnText(q, 0);

  QStringList byKeys = names;
  std::stable_sort(byKeys.begin(), byKeys.end(),
                   [](const QString& a, const QString& b) { return store::NameSortKey(a) < store::NameSortKey(b); });
  EXPECT_EQ(byKeys, byCollation);
  EXPECT_EQ(byCollation.first(), "0.9%氯化钠注射液") << "digits and Latin letters before Chinese";
  EXPECT_LT(byCollation.indexOf("白术"), byCollation.indexOf("当归")) << "pinyin order";
}

}  // namespace
