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

// The collation reads the stored bytes as QString::fromUtf8 would: a byte order mark
// kept, a bad byte as U+FFFD; the same bytes are equal.
TEST(NameOrder, CollationComparesTheStoredBytesAsTheirText) {
  const std::vector<std::string> names = {"当归", "\xEF\xBB\xBF当归", "当\xFF归", "当\xFF", "当归", "a\xC3", "A",
                                          "甘草12", "甘草12", "甘草2", "", "\xF0\xA0\x80\x80", "黄芪"};
  testing_support::TempFolder folder;
  store::Database db(QDir(folder.path()).filePath("names.dat"), store::Database::Mode::Create);
  db.exec(QStringLiteral("CREATE TABLE t (name TEXT)"));
  for (const std::string& name : names) {
    SQLite::Statement insert(db.sql(), "INSERT INTO t VALUES (?)");
    insert.bind(1, name);
    insert.exec();
  }
  SQLite::Statement q(db.sql(), std::string("SELECT rowid FROM t ORDER BY name COLLATE ") + store::kNameCollation + ", rowid");
  std::vector<size_t> byCollation;
  while (q.executeStep()) byCollation.push_back(size_t(q.getColumn(0).getInt64()) - 1);

  std::vector<size_t> byText(names.size());
  for (size_t i = 0; i < names.size(); ++i) byText[i] = i;
  std::stable_sort(byText.begin(), byText.end(), [&](size_t a, size_t b) {
    return store::compareNames(QString::fromUtf8(names[a]), QString::fromUtf8(names[b])) < 0;
  });
  EXPECT_EQ(byCollation, byText);
}

}  // namespace
