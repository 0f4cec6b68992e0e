#include "store/KeptConnection.h"

#include "store/DataFile.h"

#include <QFile>

#include <sys/stat.h>

namespace store {

Database& KeptConnection::open() {
  struct stat info {};
  const bool there = ::stat(QFile::encodeName(path_).constData(), &info) == 0;
  if (db_ && there && info.st_dev == device_ && info.st_ino == inode_) return *db_;
  db_.reset();
  // The file as it was before the connection was opened on it: a file put in its place in
  // between is told apart at the next use, and opened then.
  Database db = openExisting(path_, mode_);
  db_.emplace(std::move(db));
  device_ = info.st_dev;
  inode_ = info.st_ino;
  ++opened_;
  return *db_;
}

}  // namespace store
