// Opening a data file under one failure policy: a file that is not there is told apart
// from one that is there but cannot be read (locked, damaged, not a database, a folder
// standing where the file should be). Nothing here ever creates, replaces or deletes a file.
#pragma once

#include "store/Database.h"

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <vector>

namespace store {

// A data file that is there but cannot be used now. what() is the reason in the words
// the user is shown (UTF-8), without the file's name.
class StoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  explicit StoreError(const QString& reason) : std::runtime_error(reason.toStdString()) {}
  QString reason() const { return QString::fromUtf8(what()); }
};

// The reason a failed database call gives the user: locked, damaged, read-only, ...
QString failureReason(const std::exception& error);

// Opens a file that should already be there. nullopt when nothing is at the path; throws
// StoreError when something is there that cannot be opened and read as a database.
std::optional<Database> openIfPresent(const QString& path, Database::Mode mode = Database::Mode::ReadWrite);

// As openIfPresent, but a missing file is a StoreError too ("找不到数据文件").
Database openExisting(const QString& path, Database::Mode mode = Database::Mode::ReadWrite);

// Throws StoreError naming the first of `tables` that the file does not hold. Reading the
// schema is also what tells a zero-byte or garbage file from a database.
void requireTables(Database& db, std::initializer_list<const char*> tables);

// Throws StoreError naming the table when the file does not hold it, or the first of
// `columns` that the table lacks (an older file written before the column existed).
void requireColumns(Database& db, const char* table, const std::vector<const char*>& columns);

// Runs `work`, turning any database failure into a StoreError with its reason.
template <class Work>
auto guarded(Work&& work) -> decltype(work()) {
  try {
    return work();
  } catch (const StoreError&) {
    throw;
  } catch (const std::exception& e) {
    throw StoreError(failureReason(e));
  }
}

inline const QString kFileMissing = QStringLiteral("找不到数据文件");
// A writer died mid-write and this workstation may only read the file: its journal cannot
// be rolled back here, and the file cannot be read until a workstation that may write
// opens it.
inline const QString kUnfinishedWriteOnReadOnlyFile =
    QStringLiteral("文件中有一次中断的写入，本机对该文件只有读取权限，无法恢复");

}  // namespace store
