#include "startup/Folders.h"

#include <QDir>

namespace startup {

void CreateFolderPath(const QString& path) {
  QString full = path + u'/';
  while (full.contains(QStringLiteral("//"))) full.replace(QStringLiteral("//"), QStringLiteral("/"));
  for (qsizetype slash = full.indexOf(u'/'); slash >= 0; slash = full.indexOf(u'/', slash + 1)) {
    const QString level = full.left(slash + 1);
    if (level == QStringLiteral("/")) continue;
    QDir().mkdir(level);  // an existing level or a refusal is passed over
  }
}

}  // namespace startup
