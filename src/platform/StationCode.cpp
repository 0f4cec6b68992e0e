#include "platform/StationCode.h"

#include <QCryptographicHash>
#include <QSysInfo>

namespace platform {

QString stationCodeFor(const QByteArray& machineId) {
  const QByteArray digest = QCryptographicHash::hash(machineId, QCryptographicHash::Sha1);
  return QString::fromLatin1(digest.left(2).toHex().toUpper());
}

QString stationCode() {
  QByteArray id = QSysInfo::machineUniqueId();
  if (id.isEmpty()) id = QSysInfo::machineHostName().toUtf8();
  return stationCodeFor(id);
}

}  // namespace platform
