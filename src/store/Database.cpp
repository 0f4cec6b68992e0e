#include "store/Database.h"

#include "store/NameOrder.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string_view>

namespace store {
namespace {

// Runs for every step of an index walk and every pair a sort compares.
int compareNamesOf(void*, int leftLength, const void* left, int rightLength, const void* right) {
  return compareNameBytes(std::string_view(static_cast<const char*>(left), size_t(leftLength)),
                          std::string_view(static_cast<const char*>(right), size_t(rightLength)));
}

int openFlags(Database::Mode mode) {
  switch (mode) {
    case Database::Mode::ReadOnly:
      // SQLite opens a file it may not write to for reading only.
      return SQLite::OPEN_READWRITE;
    case Database::Mode::Create:
      return SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE;
    case Database::Mode::ReadWrite:
      break;
  }
  return SQLite::OPEN_READWRITE;
}

// Read at every wait, not kept per connection: a change reaches the connections already
// open too (a test shortens it after its windows have opened theirs).
std::atomic<int> gBusyTimeoutMs{5000};

thread_local std::chrono::nanoseconds tWaited{0};

}  // namespace

// How a connection waits for another connection's lock: in steps of a few milliseconds
// until the busy timeout has passed. SQLite's own steps grow to 100 ms, so a workstation
// slept on long after the other one had let go, and two saving together mostly waited.
struct Database::LockWait {
  std::chrono::steady_clock::time_point since;

  static int retry(void* self, int attempt) {
    auto& wait = *static_cast<LockWait*>(self);
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) wait.since = now;
    if (now - wait.since >= std::chrono::milliseconds(gBusyTimeoutMs.load())) return 0;
    sqlite3_sleep(std::min(1 + attempt / 8, 5));
    tWaited += std::chrono::steady_clock::now() - now;
    return 1;
  }
};

std::chrono::nanoseconds lockWaitsOfThisThread() { return tWaited; }
void resetLockWaitsOfThisThread() { tWaited = {}; }

int busyTimeoutMs() { return gBusyTimeoutMs; }
void setBusyTimeoutMs(int milliseconds) { gBusyTimeoutMs = milliseconds; }

void registerNameCollation(SQLite::Database& db) {
  const int result =
      sqlite3_create_collation(db.getHandle(), kNameCollation, SQLITE_UTF8, nullptr, compareNamesOf);
  if (result != SQLITE_OK) throw SQLite::Exception(db.getHandle(), result);
}

Database::Database(const QString& path, Mode mode)
    : path_(path),
      lockWait_(std::make_unique<LockWait>()),
      db_(std::make_unique<SQLite::Database>(path.toStdString(), openFlags(mode), gBusyTimeoutMs.load())) {
  sqlite3_busy_handler(db_->getHandle(), &LockWait::retry, lockWait_.get());
  // The files may live on a network share: no WAL, no shared memory.
  db_->exec("PRAGMA journal_mode = DELETE");
  db_->exec("PRAGMA foreign_keys = OFF");
  // Statement journals and sort scratch in memory: every row a statement writes into the
  // catalogue fires the catalogue-version trigger, and a statement journal on disk per
  // inserted row would double the time of an import.
  db_->exec("PRAGMA temp_store = MEMORY");
  registerNameCollation(*db_);
  // A reading connection refuses every statement that would write.
  if (mode == Mode::ReadOnly) db_->exec("PRAGMA query_only = ON");
}

Database::Database(Database&&) noexcept = default;
Database& Database::operator=(Database&&) noexcept = default;
Database::~Database() = default;

void Database::exec(const QString& statement) { db_->exec(statement.toStdString()); }

void Database::releaseCachedPages() { sqlite3_db_release_memory(db_->getHandle()); }

void bindText(SQLite::Statement& statement, int index, const QString& value) {
  if (value.isNull()) {
    statement.bind(index);
  } else {
    statement.bind(index, value.toStdString());
  }
}

QString columnText(const SQLite::Statement& statement, int index) {
  const SQLite::Column column = statement.getColumn(index);
  if (column.isNull()) return QString();
  if (column.getBytes() == 0) return QStringLiteral("");  // empty, not null
  return QString::fromUtf8(column.getText(), column.getBytes());
}

}  // namespace store
