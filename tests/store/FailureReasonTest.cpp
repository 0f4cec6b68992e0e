// The reason a failed database call gives the user, met on real files: a lock, a
// read-only connection, a full disk, a damaged file, an old table, a broken rule. Every
// reason is Chinese; none carries SQLite's English.
#include "store/DataFile.h"
#include "support/FileFaults.h"
#include "support/MainDbFixture.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <functional>

namespace {

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

class FailureReasonTest : public testing_support::MainDbTest {
 protected:
  // What the failure of `step` tells the user; "<no failure>" when it did not fail.
  static QString reasonOf(const std::function<void()>& step) {
    try {
      step();
    } catch (const std::exception& e) {
      return store::failureReason(e);
    }
    return QStringLiteral("<no failure>");
  }
};

TEST_F(FailureReasonTest, EveryFailureOfARealFileIsToldInChinese) {
  testing_support::ShortBusyTimeout shortWait;
  const QString insert = u16(uR"(INSERT INTO "个人模板" ("序号", "名称", "内容") VALUES ('k', '感冒', ?))");
  const auto insertLong = [&](store::Database& d) {
    SQLite::Statement q(d.sql(), insert.toStdString());
    store::bindText(q, 1, QString(200000, QChar(u'药')));
    q.exec();
  };
  struct Case {
    const char* name;
    std::function<void()> step;
    QString reason;
  } cases[] = {
      {"locked by another workstation",
       [&] {
         testing_support::ExclusiveLock lock(db);
         store::Database(db).exec(u16(uR"(DELETE FROM "设置")"));
       },
       u16(u"文件正被其他程序或工作站占用")},
      {"opened read-only",
       [&] { store::Database(db, store::Database::Mode::ReadOnly).exec(u16(uR"(DELETE FROM "设置")")); },
       u16(u"文件只读，无法写入")},
      {"disk full",
       [&] {
         testing_support::FullDisk full;
         store::Database d(db);
         insertLong(d);
       },
       u16(u"磁盘已满")},
      {"a file that may not grow",
       [&] {
         store::Database d(db);
         testing_support::FileSizeLimit limit(QFileInfo(db).size() + 1024);
         insertLong(d);
       },
       u16(u"读写文件时出错")},
      {"an old table without a column",
       [&] { store::Database(db).exec(u16(uR"(UPDATE "档案" SET "发药2" = '')")); }, u16(u"数据表缺少列“发药2”")},
      {"an old file without a table",
       [&] { store::Database(db).exec(u16(uR"(SELECT 1 FROM "目录")")); }, u16(u"缺少数据表“目录”")},
      {"a required value missing",
       [&] { store::Database(db).exec(u16(uR"(INSERT INTO "商品" ("名称") VALUES ('阿'))")); },
       u16(u"数据不符合数据表的规则（“ID号”不能为空）")},
      {"a file that is not a database",
       [&] {
         testing_support::damage(db, testing_support::Damage::Garbage);
         store::Database(db).exec(u16(uR"(SELECT 1 FROM "档案")"));
       },
       u16(u"文件已损坏或不是数据库文件")},
  };
  static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
  for (const Case& c : cases) {
    const QString reason = reasonOf(c.step);
    EXPECT_EQ(reason, c.reason) << c.name;
    // Names of tables and columns stand in quotes; the words around them are Chinese.
    QString words = reason;
    words.remove(QRegularExpression(QStringLiteral("“[^”]*”")));
    EXPECT_FALSE(words.contains(latin)) << c.name << ": " << reason.toStdString();
  }
}

TEST_F(FailureReasonTest, AnOldTableNamesTheFirstColumnItLacks) {
  store::Database d(db);
  d.exec(u16(uR"(CREATE TABLE "旧表" ("序号" TEXT, "名称" TEXT))"));
  EXPECT_NO_THROW(store::requireColumns(d, "旧表", {"序号", "名称"}));
  EXPECT_EQ(reasonOf([&] { store::requireColumns(d, "旧表", {"序号", "发药", "斗位"}); }),
            u16(u"数据表“旧表”缺少列“发药”"));
  EXPECT_EQ(reasonOf([&] { store::requireColumns(d, "无此表", {"序号"}); }), u16(u"缺少数据表“无此表”"));
}

}  // namespace
