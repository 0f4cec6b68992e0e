#include "startup/TemplateFiles.h"

#include "startup/AppState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace startup {

const QList<TemplateFileEntry>& templateFiles() {
  static const QList<TemplateFileEntry> files = {
      {kMainDbFile, QStringLiteral(":/templates/main.dat")},
      {kStockDbFile, QStringLiteral(":/templates/inventory.dat")},
      {kDictionaryDbFile, QStringLiteral(":/templates/dictionary.dat")},
  };
  return files;
}

QStringList writeMissingTemplates(const QString& folder) {
  QStringList written;
  for (const TemplateFileEntry& entry : templateFiles()) {
    const QString path = QDir(folder).filePath(entry.fileName);
    if (QFileInfo::exists(path)) continue;  // never replaced, whatever it holds
    QFile source(entry.resource);
    if (!source.open(QIODevice::ReadOnly)) continue;
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly)) continue;
    if (target.write(source.readAll()) != source.size()) {
      target.cancelWriting();
      continue;
    }
    if (target.commit()) written << entry.fileName;
  }
  return written;
}

}  // namespace startup
