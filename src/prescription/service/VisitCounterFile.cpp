#include "prescription/service/VisitCounterFile.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace prescription {

QByteArray visitCounterLine(int count) { return ' ' + QByteArray::number(count) + " \r\n"; }

bool writeVisitCounter(const QString& path, int count) {
  // A unique temporary name, so two workstations writing at once never share one. The
  // count is a signal, not a record: it is not forced to disk, which keeps the save at
  // one durable commit; the rename alone keeps readers from a partial file.
  QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
  if (!file.open()) return false;
  const QByteArray line = visitCounterLine(count);
  const QFileInfo old(path);
  const bool written = file.write(line) == line.size() && file.flush() &&
                       file.setPermissions(old.exists() ? old.permissions()
                                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                              QFile::WriteGroup | QFile::ReadOther);
  file.close();
  if (!written) return false;
  // rename() replaces the old file in one step; the temporary file goes either way.
  if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
    return false;
  file.setAutoRemove(false);
  return true;
}

}  // namespace prescription
