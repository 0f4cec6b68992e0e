#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testing_support {

TempFolder::TempFolder() { makeDir("c"); }

QString TempFolder::sub(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }

QString TempFolder::makeDir(const QString& relative) const {
  const QString p = sub(relative);
  QDir().mkpath(p);
  return p;
}

void TempFolder::writeFile(const QString& relative, const QByteArray& bytes) const {
  const QString p = sub(relative);
  QDir().mkpath(QFileInfo(p).path());
  QFile f(p);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

platform::DriveRoots TempFolder::drives() const {
  platform::DriveRoots roots;
  roots.c = sub("c");
  roots.sharesRoot = sub("shares");
  return roots;
}

QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace testing_support
