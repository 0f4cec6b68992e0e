#include "ui/SpreadsheetExport.h"

#include "store/DataFile.h"

#include "spreadsheet/ExportFile.h"

#include <QApplication>
#include <QLineEdit>

namespace ui {

QString chooseExportPath(platform::Dialogs& dialogs, QLineEdit* pathBox) {
  const spreadsheet::ExportChoice choice = spreadsheet::askExportFile(dialogs);
  if (pathBox && !choice.chosen.isEmpty()) pathBox->setText(choice.chosen);
  return choice.path;
}

bool writeExport(platform::Dialogs& dialogs, const QString& path, const std::function<spreadsheet::Workbook()>& make) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  spreadsheet::Workbook workbook;
  try {
    workbook = make();
  } catch (const std::exception& e) {
    QApplication::restoreOverrideCursor();
    dialogs.message(QStringLiteral("文件导出失败：") + store::failureReason(e));
    return false;
  }
  const bool ok = spreadsheet::saveExport(dialogs, workbook, path);
  QApplication::restoreOverrideCursor();
  return ok;
}

}  // namespace ui
