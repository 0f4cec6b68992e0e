#include "platform/DriveRoots.h"

#include <QDir>

namespace platform {

DriveRoots DriveRoots::system() {
  DriveRoots roots;
  roots.c = QDir::homePath();
  return roots;
}

QString DriveRoots::hostDataFolder(const QString& hostName) const {
  if (hostName.isEmpty() || hostName == u"." || hostName == u".." || hostName.contains(u'/') ||
      hostName.contains(u'\\') || hostName.contains(QChar(0)))
    return QString();
  return QDir(sharesRoot).filePath(hostName + u'/' + kDataFolderName);
}

}  // namespace platform
