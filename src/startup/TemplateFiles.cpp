#include "startup/TemplateFiles.h"

#include "startup/AppState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace startup {

const QList<TemplateFileEntry>& templateFiles() {
  static const QList<TemplateFileEntry> files = {
      {kMainDbFile, QStringLiteral(":/templates/main.dat")},
      {kStockDbFile, QStringLiteral(":/templates/inventory.dat")},
      {kDictionaryDbFile, QStringLiteral(":/templates/dictionary.dat")},
  };
  return files;
}

NewFile placeNewFile(const QString& path, const QByteArray& bytes) {
  const QFileInfo target(path);
  QTemporaryFile temporary(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
  if (!temporary.open()) return NewFile::Failed;
  if (temporary.write(bytes) != bytes.size() || !temporary.flush() || ::fsync(temporary.handle()) != 0)
    return NewFile::Failed;
  temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  const QByteArray from = QFile::encodeName(temporary.fileName());
  const QByteArray to = QFile::encodeName(path);
  // A hard link is made only where no file is: a file another instance has just written
  // is never replaced. Folders that take no hard links get a rename that refuses to replace.
  if (::link(from.constData(), to.constData()) == 0) return NewFile::Written;
  if (errno == EEXIST) return NewFile::AlreadyThere;
  if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
    temporary.setAutoRemove(false);  // it is the file now
    return NewFile::Written;
  }
  return errno == EEXIST ? NewFile::AlreadyThere : NewFile::Failed;
}

QStringList writeMissingTemplates(const QString& folder) {
  QStringList unwritten;
  for (const TemplateFileEntry& entry : templateFiles()) {
    const QString path = QDir(folder).filePath(entry.fileName);
    // Never replaced, whatever it holds: also a damaged file may need to be recovered.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) continue;
    QFile source(entry.resource);
    NewFile placed = NewFile::Failed;
    if (source.open(QIODevice::ReadOnly)) placed = placeNewFile(path, source.readAll());
    if (placed == NewFile::Failed) unwritten << entry.fileName;
  }
  return unwritten;
}

}  // namespace startup
