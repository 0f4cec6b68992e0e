#include "prescription/service/VisitCounterFile.h"

#include <QSaveFile>

namespace prescription {

QByteArray visitCounterLine(int count) { return ' ' + QByteArray::number(count) + " \r\n"; }

bool writeVisitCounter(const QString& path, int count) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray line = visitCounterLine(count);
  if (file.write(line) != line.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace prescription
