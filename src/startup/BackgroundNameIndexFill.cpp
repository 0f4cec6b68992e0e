#include "startup/BackgroundNameIndexFill.h"

#include "store/RecordNameIndexFill.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace startup {

BackgroundNameIndexFill::BackgroundNameIndexFill(QString mainDbPath)
    : thread_([this, path = std::move(mainDbPath)] { run(path); }) {}

BackgroundNameIndexFill::~BackgroundNameIndexFill() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  stopped_.notify_all();
  wait();
}

void BackgroundNameIndexFill::wait() {
  if (thread_.joinable()) thread_.join();
}

void BackgroundNameIndexFill::pause(qint64 milliseconds) {
  std::unique_lock lock(mutex_);
  stopped_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_.load(); });
}

void BackgroundNameIndexFill::run(const QString& mainDbPath) {
  try {
    store::RecordNameIndexFill fill(mainDbPath, &stop_);
    while (!stop_) {
      try {
        if (!fill.step()) break;
        // After a write, as long again for the others: a workstation waiting to write
        // polls the lock now and then, and finds it free only between two steps.
        if (fill.lastWriteMs() > 0) pause(std::clamp<qint64>(fill.lastWriteMs(), kLeastPauseMs, kMostPauseMs));
      } catch (const SQLite::Exception& e) {
        // A file held by another workstation beyond the busy timeout is tried again; one
        // that cannot be written (a read-only share, a damaged file) is searched without
        // the pieces, and the next start tries again.
        if (e.getErrorCode() != SQLITE_BUSY && e.getErrorCode() != SQLITE_LOCKED) break;
        pause(kRetryMs);
      }
    }
  } catch (const std::exception&) {
    // The file could not be opened: the search works without the pieces.
  }
#ifdef __GLIBC__
  // The fill's page cache and sort came from this thread's own heap: given back.
  malloc_trim(0);
#endif
}

}  // namespace startup
