// Data files in the states a clinic's machines leave them in: locked by another program,
// with the journal of a writer that died, emptied, overwritten with garbage, replaced by
// a folder. Every fault is made on real files.
#pragma once

#include "store/Database.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace testing_support {

// Holds BEGIN EXCLUSIVE on a file through a second connection until destroyed.
class ExclusiveLock {
 public:
  explicit ExclusiveLock(const QString& path);
  ~ExclusiveLock();

 private:
  std::unique_ptr<store::Database> db_;
};

// Shortens how long every connection waits for a lock, for the life of the object.
class ShortBusyTimeout {
 public:
  explicit ShortBusyTimeout(int milliseconds = 150);
  ~ShortBusyTimeout();

 private:
  int saved_;
};

// A disk that fills up: for the life of the object no file of this process may grow
// beyond `bytes` (a write across the limit is cut short, as on a full disk).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(qint64 bytes);
  ~FileSizeLimit();

 private:
  qint64 soft_;
  void (*savedHandler_)(int);
};

// A full disk, as SQLite meets it: for the life of the object every write of every
// database connection opened in this process (its file or its journal) is refused as
// the operating system refuses it when no space is left. Reads go on.
class FullDisk {
 public:
  FullDisk();
  ~FullDisk();
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
};

// Runs `write` on the file in a child process inside a transaction, makes it reach the
// file itself (the cache spills), and kills the child before it commits: the file keeps a
// hot journal. Returns false when no journal was left.
bool killWriterMidTransaction(const QString& path, const QString& statements);

// Runs `work` in a child process and returns its exit status; -1 when it was killed.
// `killAfterMicroseconds` kills it that long after it started.
int inChildProcess(const std::function<int()>& work, std::optional<int> killAfterMicroseconds = std::nullopt);

enum class Damage { ZeroBytes, Garbage, Folder };
const char* damageName(Damage damage);
// Replaces whatever is at `path` by the damage.
void damage(const QString& path, Damage damage);

}  // namespace testing_support
