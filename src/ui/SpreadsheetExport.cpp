#include "ui/SpreadsheetExport.h"

#include "spreadsheet/ExportFile.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "ui/Guard.h"

#include <QApplication>
#include <QLineEdit>

namespace ui {

QString chooseExportPath(platform::Dialogs& dialogs, QLineEdit* pathBox) {
  const spreadsheet::ExportChoice choice = spreadsheet::askExportFile(dialogs);
  if (pathBox && !choice.chosen.isEmpty()) pathBox->setText(choice.chosen);
  return choice.path;
}

bool saveExport(platform::Dialogs& dialogs, const spreadsheet::Workbook& workbook, const QString& path) {
  const spreadsheet::WriteOutcome outcome = spreadsheet::SpreadsheetWriter::save(workbook, path);
  if (!outcome.ok) {
    showFailure(dialogs, spreadsheet::kExportFailed, outcome.reason);
    return false;
  }
  dialogs.message(spreadsheet::kExportDone);
  return true;
}

bool writeExport(platform::Dialogs& dialogs, const QString& path, const std::function<spreadsheet::Workbook()>& make) {
  spreadsheet::Workbook workbook;
  const bool made = runGuarded(dialogs, spreadsheet::kExportFailed, [&] {
    // The hourglass is gone before a failure is told.
    struct Hourglass {
      Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
      ~Hourglass() { QApplication::restoreOverrideCursor(); }
    } hourglass;
    workbook = make();
  });
  if (!made) return false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ok = saveExport(dialogs, workbook, path);
  QApplication::restoreOverrideCursor();
  return ok;
}

}  // namespace ui
