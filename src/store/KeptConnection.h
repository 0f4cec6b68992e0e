// A data file's connection that its owner (a window) keeps while it lives, instead of one
// opened for every look-up.
#pragma once

#include "store/Database.h"

#include <QString>

#include <sys/types.h>

#include <memory>
#include <optional>
#include <utility>

namespace store {

// Opened on first use as openExisting opens a file; dropped after a failure, so that the
// next use opens the file again; opened again when another file has been put at the
// path (a copy restored over it). A use leaves no statement running, so the connection
// holds no lock between uses; every write still runs in its own transaction and waits
// for other workstations' locks as long as the busy timeout.
class KeptConnection {
 public:
  explicit KeptConnection(QString path, Database::Mode mode = Database::Mode::ReadWrite)
      : path_(std::move(path)), mode_(mode) {}
  KeptConnection(const KeptConnection&) = delete;
  KeptConnection& operator=(const KeptConnection&) = delete;

  const QString& path() const { return path_; }

  // Runs `work(Database&)` on the kept connection and returns what it returns. Throws
  // StoreError when the file is missing or cannot be opened, and whatever `work` throws;
  // either way the connection is dropped.
  template <class Work>
  auto use(Work&& work) -> decltype(work(std::declval<Database&>())) {
    Database& db = open();
    try {
      return work(db);
    } catch (...) {
      db_.reset();
      throw;
    }
  }

  // How many times a file was opened: what a test watches to tell a kept connection from
  // new ones.
  int opened() const { return opened_; }

 private:
  Database& open();

  QString path_;
  Database::Mode mode_;
  std::optional<Database> db_;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  int opened_ = 0;
};

// What a service works on: a window's kept connection, or a connection of its own opened
// for the service's one use (a caller without a window, a test).
class Connection {
 public:
  Connection(KeptConnection& kept) : kept_(&kept) {}  // NOLINT: a kept connection is one
  explicit Connection(QString path, Database::Mode mode = Database::Mode::ReadWrite)
      : own_(std::make_shared<KeptConnection>(std::move(path), mode)), kept_(own_.get()) {}

  KeptConnection& operator*() const { return *kept_; }
  KeptConnection* operator->() const { return kept_; }

 private:
  std::shared_ptr<KeptConnection> own_;
  KeptConnection* kept_;
};

}  // namespace store
