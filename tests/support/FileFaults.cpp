#include "support/FileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

ExclusiveLock::ExclusiveLock(const QString& path) : db_(std::make_unique<store::Database>(path)) {
  db_->exec(QStringLiteral("BEGIN EXCLUSIVE"));
}

ExclusiveLock::~ExclusiveLock() {
  try {
    db_->exec(QStringLiteral("ROLLBACK"));
  } catch (const std::exception&) {
    // The connection closes next and gives the lock back either way.
  }
}

ShortBusyTimeout::ShortBusyTimeout(int milliseconds) : saved_(store::busyTimeoutMs()) {
  store::setBusyTimeoutMs(milliseconds);
}

ShortBusyTimeout::~ShortBusyTimeout() { store::setBusyTimeoutMs(saved_); }

namespace {

// A file of the full disk: SQLite's own file, placed right after this header.
struct FullFile {
  sqlite3_file base;
  sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

sqlite3_vfs* realVfs = nullptr;
sqlite3_vfs fullVfs{};
sqlite3_io_methods fullMethods{};

sqlite3_file* real(sqlite3_file* file) { return reinterpret_cast<FullFile*>(file)->real(); }

int fullOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
  auto* full = reinterpret_cast<FullFile*>(file);
  full->base.pMethods = nullptr;
  const int rc = realVfs->xOpen(realVfs, name, full->real(), flags, outFlags);
  if (rc != SQLITE_OK) return rc;
  // The methods of SQLite's file, with every write refused.
  fullMethods = *full->real()->pMethods;
  fullMethods.xClose = [](sqlite3_file* f) {
    const int closed = real(f)->pMethods->xClose(real(f));
    f->pMethods = nullptr;
    return closed;
  };
  fullMethods.xRead = [](sqlite3_file* f, void* buffer, int amount, sqlite3_int64 offset) {
    return real(f)->pMethods->xRead(real(f), buffer, amount, offset);
  };
  fullMethods.xWrite = [](sqlite3_file*, const void*, int, sqlite3_int64) { return SQLITE_FULL; };
  fullMethods.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) { return real(f)->pMethods->xTruncate(real(f), size); };
  fullMethods.xSync = [](sqlite3_file* f, int flags) { return real(f)->pMethods->xSync(real(f), flags); };
  fullMethods.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) { return real(f)->pMethods->xFileSize(real(f), size); };
  fullMethods.xLock = [](sqlite3_file* f, int lock) { return real(f)->pMethods->xLock(real(f), lock); };
  fullMethods.xUnlock = [](sqlite3_file* f, int lock) { return real(f)->pMethods->xUnlock(real(f), lock); };
  fullMethods.xCheckReservedLock = [](sqlite3_file* f, int* out) {
    return real(f)->pMethods->xCheckReservedLock(real(f), out);
  };
  fullMethods.xFileControl = [](sqlite3_file* f, int op, void* arg) {
    return real(f)->pMethods->xFileControl(real(f), op, arg);
  };
  fullMethods.xSectorSize = [](sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); };
  fullMethods.xDeviceCharacteristics = [](sqlite3_file* f) {
    return real(f)->pMethods->xDeviceCharacteristics(real(f));
  };
  // No shared memory (journal mode DELETE) and no memory mapping.
  fullMethods.iVersion = 1;
  full->base.pMethods = &fullMethods;
  return SQLITE_OK;
}

}  // namespace

FullDisk::FullDisk() {
  realVfs = sqlite3_vfs_find(nullptr);
  fullVfs = *realVfs;
  fullVfs.zName = "tavorin-full-disk";
  fullVfs.szOsFile = static_cast<int>(sizeof(FullFile)) + realVfs->szOsFile;
  fullVfs.xOpen = fullOpen;
  sqlite3_vfs_register(&fullVfs, 1);
}

FullDisk::~FullDisk() {
  sqlite3_vfs_unregister(&fullVfs);
  sqlite3_vfs_register(realVfs, 1);
}

FileSizeLimit::FileSizeLimit(qint64 bytes) {
  // Without this the process would be stopped by the signal a write over the limit sends.
  savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  soft_ = static_cast<qint64>(limit.rlim_cur);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = static_cast<rlim_t>(soft_);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, savedHandler_);
}

int inChildProcess(const std::function<int()>& work, std::optional<int> killAfterMicroseconds) {
  const pid_t child = ::fork();
  if (child == 0) {
    int status = 1;
    try {
      status = work();
    } catch (...) {
      // The child's failure is its exit status (1); nothing may unwind past the fork.
    }
    ::_exit(status);
  }
  if (child < 0) return -2;
  if (killAfterMicroseconds) {
    ::usleep(static_cast<useconds_t>(*killAfterMicroseconds));
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool killWriterMidTransaction(const QString& path, const QString& statements) {
  inChildProcess([&] {
    store::Database db(path);
    // A cache of a few pages makes the writer put changed pages into the file itself
    // before it commits, as a long write does.
    db.exec(QStringLiteral("PRAGMA cache_size = 2"));
    db.exec(QStringLiteral("BEGIN"));
    db.exec(statements);
    ::raise(SIGKILL);
    return 0;
  });
  return QFileInfo(path + QStringLiteral("-journal")).size() > 0;
}

const char* damageName(Damage damage) {
  switch (damage) {
    case Damage::ZeroBytes: return "zero bytes";
    case Damage::Garbage: return "garbage";
    case Damage::Folder: return "a folder";
  }
  return "";
}

void damage(const QString& path, Damage damage) {
  if (QFileInfo(path).isDir())
    QDir(path).removeRecursively();
  else
    QFile::remove(path);
  if (damage == Damage::Folder) {
    QDir().mkpath(path);
    return;
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  if (damage == Damage::Garbage) file.write(QByteArray(8192, '\x5a').prepend("PK\x03\x04 not a database"));
}

}  // namespace testing_support
