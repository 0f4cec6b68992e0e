#include "ui/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool installChineseTranslation(QCoreApplication& app, const QString& folder) {
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
  const QString file = QStringLiteral("qtbase_zh_CN");
  auto* translator = new QTranslator(&app);
  if (!translator->load(file, from) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    qWarning("Qt's Chinese translation %s.qm could not be loaded from %s: Qt's own texts stay in English.",
             qUtf8Printable(file), qUtf8Printable(QDir::toNativeSeparators(from)));
    return false;
  }
  return true;
}

}  // namespace ui
