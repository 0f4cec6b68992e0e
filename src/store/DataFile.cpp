#include "store/DataFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <new>

#include <sqlite3.h>

namespace store {

namespace {

// SQLite's own text of an error whose code alone does not say what is wrong, in the
// user's words; nullopt when the text is not one of these.
std::optional<QString> describedError(const QString& detail) {
  struct Pattern {
    const char* english;
    const char16_t* chinese;
  };
  static const Pattern patterns[] = {
      {R"re(^no such table: (?:\w+\.)?(.+)$)re", u"缺少数据表“%1”"},
      {R"re(^no such column: (?:.+\.)?(.+)$)re", u"数据表缺少列“%1”"},
      {R"re(^table (.+) has no column named (.+)$)re", u"数据表“%1”缺少列“%2”"},
      {R"re(^NOT NULL constraint failed: (?:.+\.)?(.+)$)re", u"“%1”不能为空"},
      {R"re(^UNIQUE constraint failed: (?:.+\.)?(.+)$)re", u"“%1”与已有的记录重复"},
      {R"re(^CHECK constraint failed: "?([^"\s]+)"?\s*<>\s*''$)re", u"“%1”不能为空文本"},
  };
  for (const Pattern& pattern : patterns) {
    const QRegularExpressionMatch match =
        QRegularExpression(QString::fromUtf8(pattern.english)).match(detail);
    if (!match.hasMatch()) continue;
    QString text = QString::fromUtf16(pattern.chinese);
    for (int i = 1; i <= match.lastCapturedIndex(); ++i) text = text.arg(match.captured(i));
    return text;
  }
  return std::nullopt;
}

}  // namespace

// Every failure the user is shown passes through here, so SQLite's English never reaches
// a message: each case gets its Chinese words, and what is not known by its code is
// named by its number alone.
QString failureReason(const std::exception& error) {
  if (const auto* store = dynamic_cast<const StoreError*>(&error)) return store->reason();
  if (dynamic_cast<const std::bad_alloc*>(&error)) return QStringLiteral("内存不足");
  const auto* sql = dynamic_cast<const SQLite::Exception*>(&error);
  const QString detail = QString::fromUtf8(error.what());
  if (!sql) return detail;  // the program's own failures are worded for the user
  const int code = sql->getErrorCode();
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return QStringLiteral("文件正被其他程序或工作站占用");
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      return QStringLiteral("文件已损坏或不是数据库文件");
    case SQLITE_CANTOPEN:
      return QStringLiteral("文件无法打开");
    case SQLITE_READONLY:
      switch (sql->getExtendedErrorCode()) {
        case SQLITE_READONLY_ROLLBACK:
          return kUnfinishedWriteOnReadOnlyFile;
        case SQLITE_READONLY_DIRECTORY:
          return QStringLiteral("文件所在的文件夹只读，无法写入");
        case SQLITE_READONLY_DBMOVED:
          return QStringLiteral("文件已被移动或删除");
        default:
          return QStringLiteral("文件只读，无法写入");
      }
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return QStringLiteral("没有访问文件的权限");
    case SQLITE_IOERR:
      return QStringLiteral("读写文件时出错");
    case SQLITE_FULL:
      return QStringLiteral("磁盘已满");
    case SQLITE_NOMEM:
      return QStringLiteral("内存不足");
    case SQLITE_NOLFS:
    case SQLITE_TOOBIG:
      return QStringLiteral("数据太大，无法保存");
    case SQLITE_PROTOCOL:
      return QStringLiteral("文件锁定出错，请稍后再试");
    case SQLITE_SCHEMA:
      return QStringLiteral("数据表结构刚被改动，请再试一次");
    case SQLITE_INTERRUPT:
      return QStringLiteral("操作被中断");
    case SQLITE_CONSTRAINT: {
      const std::optional<QString> rule = describedError(detail);
      return rule ? QStringLiteral("数据不符合数据表的规则（%1）").arg(*rule)
                  : QStringLiteral("数据不符合数据表的规则");
    }
    default:
      if (const std::optional<QString> described = describedError(detail)) return *described;
      return QStringLiteral("数据库出错（错误代码 %1）").arg(code);
  }
}

std::optional<Database> openIfPresent(const QString& path, Database::Mode mode) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return std::nullopt;
  if (!info.isFile()) throw StoreError(QStringLiteral("该位置是文件夹或其他对象，不是数据文件"));
  return guarded([&] {
    Database db(path, mode);
    // Opening reads nothing; the schema read is what meets a lock, a hot journal or
    // bytes that are not a database.
    db.sql().exec("SELECT count(*) FROM sqlite_master");
    return db;
  });
}

Database openExisting(const QString& path, Database::Mode mode) {
  std::optional<Database> db = openIfPresent(path, mode);
  if (!db) throw StoreError(kFileMissing);
  return std::move(*db);
}

void requireTables(Database& db, std::initializer_list<const char*> tables) {
  guarded([&] {
    for (const char* table : tables)
      if (!db.sql().tableExists(table))
        throw StoreError(QStringLiteral("缺少数据表“%1”").arg(QString::fromUtf8(table)));
  });
}

void requireColumns(Database& db, const char* table, const std::vector<const char*>& columns) {
  guarded([&] {
    const QString name = QString::fromUtf8(table);
    if (!db.sql().tableExists(table)) throw StoreError(QStringLiteral("缺少数据表“%1”").arg(name));
    QSet<QString> held;
    SQLite::Statement info(db.sql(), "SELECT name FROM pragma_table_info(?)");
    info.bind(1, table);
    // Column names compare without regard to ASCII case, as SQLite compares them.
    while (info.executeStep()) held.insert(QString::fromUtf8(info.getColumn(0).getText()).toLower());
    for (const char* column : columns)
      if (!held.contains(QString::fromUtf8(column).toLower()))
        throw StoreError(QStringLiteral("数据表“%1”缺少列“%2”").arg(name, QString::fromUtf8(column)));
  });
}

}  // namespace store
