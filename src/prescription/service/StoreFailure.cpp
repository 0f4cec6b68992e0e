#include "prescription/service/StoreFailure.h"

#include <SQLiteCpp/Exception.h>

#include <sqlite3.h>

namespace prescription {

QString storeFailureReason(const std::exception& failure, const QString& path) {
  const auto* sql = dynamic_cast<const SQLite::Exception*>(&failure);
  switch (sql ? (sql->getErrorCode() & 0xff) : SQLITE_ERROR) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return QStringLiteral("数据文件正被其他工作站使用，请稍后再试。");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_FULL:
      return QStringLiteral("无法写入数据文件“%1”。").arg(path);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return QStringLiteral("数据文件“%1”已损坏。").arg(path);
    case SQLITE_CONSTRAINT:
      return QStringLiteral("数据文件拒绝了这条记录。");
    default:
      return QStringLiteral("数据文件“%1”出错：%2").arg(path, QString::fromUtf8(failure.what()));
  }
}

}  // namespace prescription
