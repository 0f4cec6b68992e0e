#include "settings/BellMarker.h"

#include "startup/AppState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace settings {
namespace {

QString markerPath(const QString& folder) { return QDir(folder).filePath(startup::kBellMarkerFile); }

}  // namespace

bool bellMarkerExists(const QString& localDataFolder) {
  return QFileInfo::exists(markerPath(localDataFolder));
}

bool setBellMarker(const QString& localDataFolder, bool on) {
  const QString path = markerPath(localDataFolder);
  if (!on) return !QFileInfo::exists(path) || QFile::remove(path);
  // Truncated, so that a switched-on marker is always left empty.
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  file.close();
  return true;
}

}  // namespace settings
