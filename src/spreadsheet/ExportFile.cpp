#include "spreadsheet/ExportFile.h"

#include "spreadsheet/SpreadsheetWriter.h"

#include <QFileInfo>

namespace spreadsheet {

QString chooseExportPath(platform::Dialogs& dialogs) {
  QString path = dialogs.saveFileName(QStringLiteral("另存为"), QStringLiteral("Excel文件 (*.xls)"));
  if (path.isEmpty()) return {};
  if (!path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) path += QStringLiteral(".xls");
  if (QFileInfo::exists(path) &&
      dialogs.ask(QStringLiteral("文件已存在，是否替换？"), platform::kPromptTitle, platform::Dialogs::Buttons::YesNo) !=
          platform::Dialogs::Answer::Yes)
    return {};
  return path;
}

bool saveExport(platform::Dialogs& dialogs, const Workbook& workbook, const QString& path) {
  const WriteOutcome outcome = SpreadsheetWriter::save(workbook, path);
  if (!outcome.ok) {
    dialogs.message(QStringLiteral("文件导出失败：") + outcome.reason);
    return false;
  }
  dialogs.message(kExportDone);
  return true;
}

}  // namespace spreadsheet
