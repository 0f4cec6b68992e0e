#include "store/DataFile.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace store {

QString failureReason(const std::exception& error) {
  if (const auto* store = dynamic_cast<const StoreError*>(&error)) return store->reason();
  const auto* sql = dynamic_cast<const SQLite::Exception*>(&error);
  const QString detail = QString::fromUtf8(error.what());
  if (!sql) return detail;
  switch (sql->getErrorCode() & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return QStringLiteral("文件正被其他程序或工作站占用");
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      return QStringLiteral("文件已损坏或不是数据库文件");
    case SQLITE_CANTOPEN:
      return QStringLiteral("文件无法打开");
    case SQLITE_READONLY:
      return QStringLiteral("文件只读，无法写入");
    case SQLITE_IOERR:
      return QStringLiteral("读写文件时出错");
    case SQLITE_FULL:
      return QStringLiteral("磁盘已满");
    case SQLITE_CONSTRAINT:
      return QStringLiteral("数据不符合数据表的规则（%1）").arg(detail);
    default:
      return QStringLiteral("数据库出错（%1）").arg(detail);
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

}  // namespace store
