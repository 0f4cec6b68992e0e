#include "prescription/service/VisitCounterFile.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace prescription {

QByteArray visitCounterLine(int count) { return ' ' + QByteArray::number(count) + " \r\n"; }

QString writeVisitCounter(const QString& path, int count) {
  // A unique temporary name, so two workstations writing at once never share one. The
  // count is a signal, not a record: it is not forced to disk, which keeps the save at
  // one durable commit; the rename alone keeps readers from a partial file.
  QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
  if (!file.open()) return QStringLiteral("所在文件夹不存在或无法写入");
  const QByteArray line = visitCounterLine(count);
  const QFileInfo old(path);
  const bool written = file.write(line) == line.size() && file.flush() &&
                       file.setPermissions(old.exists() ? old.permissions()
                                                        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                                              QFile::WriteGroup | QFile::ReadOther);
  file.close();
  if (!written) return QStringLiteral("写入时出错（磁盘可能已满）");
  // rename() replaces the old file in one step; the temporary file goes either way.
  if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
    return QStringLiteral("无法替换原文件（它可能是只读的、被占用，或是一个文件夹）");
  file.setAutoRemove(false);
  return {};
}

QString counterNotWrittenMessage(const QString& path, const QString& reason) {
  return QStringLiteral("处方已保存，但计数文件未能改写（%1：%2），其他工作站不会为这张处方响铃提示。").arg(reason, path);
}

}  // namespace prescription
