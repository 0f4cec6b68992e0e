// One SQLite database file, opened the way every Tavorin connection is opened.
#pragma once

#include <QString>

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <chrono>
#include <memory>

namespace store {

// Name of the collation that sorts names as the people at the desk expect: digits and
// Latin letters first, then Chinese characters in pinyin order. Registered on every
// connection; use it as "ORDER BY 名称 COLLATE " + kNameCollation.
inline constexpr const char* kNameCollation = "ZHNAME";

// How long a statement waits for another connection's lock before it fails: 5000 ms.
// Tests that hold a lock on purpose shorten it; every connection, open or not, follows a
// change from its next wait on.
int busyTimeoutMs();
void setBusyTimeoutMs(int milliseconds);

// How long the connections of the calling thread have waited for other connections'
// locks since the tally was last reset, all waits together: what a workstation was kept
// waiting by the others, apart from its own work.
std::chrono::nanoseconds lockWaitsOfThisThread();
void resetLockWaitsOfThisThread();

// Registers the name collation on a connection; throws SQLite::Exception when SQLite
// refuses it, so that no connection sorts names without it.
void registerNameCollation(SQLite::Database& db);

class Database {
 public:
  // ReadOnly reads and never writes; it is still opened for writing where the file allows
  // it, so that it can roll back the journal a writer left when it died mid-write (another
  // workstation switched off, a program killed): a connection opened read-only cannot, and
  // could read nothing until some writer opened the file.
  enum class Mode { ReadWrite, ReadOnly, Create };

  // Opens (or, with Mode::Create, creates) the file. Journal mode DELETE, the busy
  // timeout above, foreign keys off, the name collation registered.
  // Throws SQLite::Exception when the file cannot be opened.
  explicit Database(const QString& path, Mode mode = Mode::ReadWrite);
  Database(Database&&) noexcept;
  Database& operator=(Database&&) noexcept;
  ~Database();

  SQLite::Database& sql() { return *db_; }
  const QString& path() const { return path_; }

  // Runs a statement that returns no rows (schema, pragmas).
  void exec(const QString& statement);

  // Gives back the memory of the file's pages that the connection keeps from earlier
  // reads; a later statement reads what it needs from the file again.
  void releaseCachedPages();

 private:
  struct LockWait;

  QString path_;
  std::unique_ptr<LockWait> lockWait_;  // the busy handler's own, at a fixed address; outlives db_
  std::unique_ptr<SQLite::Database> db_;
};

// Binds a QString as UTF-8 text; a null QString binds NULL.
void bindText(SQLite::Statement& statement, int index, const QString& value);

// Reads a column as a QString; NULL reads as a null QString.
QString columnText(const SQLite::Statement& statement, int index);

}  // namespace store
