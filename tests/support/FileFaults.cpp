#include "support/FileFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
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
  }
}

ShortBusyTimeout::ShortBusyTimeout(int milliseconds) : saved_(store::busyTimeoutMs()) {
  store::setBusyTimeoutMs(milliseconds);
}

ShortBusyTimeout::~ShortBusyTimeout() { store::setBusyTimeoutMs(saved_); }

int inChildProcess(const std::function<int()>& work, std::optional<int> killAfterMicroseconds) {
  const pid_t child = ::fork();
  if (child == 0) {
    int status = 1;
    try {
      status = work();
    } catch (...) {
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
