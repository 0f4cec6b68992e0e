#include "startup/HostNameFile.h"

#include "startup/AppState.h"
#include "text/Blank.h"
#include "text/ScrambledText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace startup {

std::optional<QString> readHostName(const QString& folder) {
  const QString path = QDir(folder).filePath(kHostNameFile);
  if (!QFileInfo(path).isFile()) return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  QByteArray line = file.readLine();
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  const std::optional<QString> host = text::UnscrambleText(QString::fromLatin1(line));
  return host ? text::trimBlanks(*host) : QString();
}

bool writeHostNameFile(const QString& folder, const QString& hostName) {
  const std::optional<QString> line = text::ScrambleText(hostName);
  if (!line) return false;
  QSaveFile file(QDir(folder).filePath(kHostNameFile));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(line->toLatin1() + "\r\n");
  return file.commit();
}

}  // namespace startup
