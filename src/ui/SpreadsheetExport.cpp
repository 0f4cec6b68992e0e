#include "ui/SpreadsheetExport.h"

#include "spreadsheet/SpreadsheetWriter.h"
#include "text/Blank.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

namespace ui {

QString chooseExportPath(platform::Dialogs& dialogs, QLineEdit* pathBox) {
  const QString chosen =
      text::trimBlanks(dialogs.saveFileName(QStringLiteral("另存为"), QStringLiteral("Excel文件 (*.xls)")));
  if (chosen.isEmpty()) return {};
  if (pathBox) pathBox->setText(chosen);
  QString path = chosen;
  if (!path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) path += QStringLiteral(".xls");
  if (QFile::exists(path) && dialogs.ask(QStringLiteral("文件已存在，是否替换？"), platform::kPromptTitle,
                                         platform::Dialogs::Buttons::YesNo) != platform::Dialogs::Answer::Yes)
    return {};
  return path;
}

bool writeExport(platform::Dialogs& dialogs, const QString& path, const std::function<spreadsheet::Workbook()>& make) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const spreadsheet::WriteOutcome outcome = spreadsheet::SpreadsheetWriter::save(make(), path);
  QApplication::restoreOverrideCursor();
  dialogs.message(outcome.ok ? QStringLiteral("文件导出成功！") : QStringLiteral("文件导出失败：") + outcome.reason);
  return outcome.ok;
}

}  // namespace ui
