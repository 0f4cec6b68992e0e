#include "ui/SpreadsheetExport.h"

#include "spreadsheet/SpreadsheetWriter.h"
#include "text/Blank.h"

#include <QApplication>
#include <QFile>

namespace ui {

spreadsheet::Workbook listWorkbook(const QStringList& captions, const std::vector<QStringList>& records,
                                   const QList<int>& numberColumns) {
  spreadsheet::Sheet sheet;
  spreadsheet::Row head;
  for (const QString& caption : captions) head.cells << spreadsheet::Cell::text(caption);
  head.font = {true, 10.0};
  head.heightPoints = 20.0;
  sheet.rows << head;
  for (const QStringList& record : records) {
    spreadsheet::Row row;
    for (int i = 0; i < record.size(); ++i)
      row.cells << (numberColumns.contains(i) ? spreadsheet::Cell::fromStoredText(record[i])
                                              : spreadsheet::Cell::text(record[i]));
    row.font = {false, 10.0};
    row.heightPoints = 20.0;
    sheet.rows << row;
  }
  spreadsheet::Row after;
  after.font = {false, 10.0};
  after.heightPoints = 20.0;
  sheet.rows << after;
  for (int i = 0; i < captions.size(); ++i) sheet.columns << spreadsheet::Column::fitted();
  spreadsheet::Workbook book;
  book.sheets << sheet;
  return book;
}

QString exportToSpreadsheet(platform::Dialogs& dialogs, const std::function<spreadsheet::Workbook()>& build) {
  const QString chosen =
      text::trimBlanks(dialogs.saveFileName(QStringLiteral("另存为"), QStringLiteral("Excel文件 (*.xls)")));
  if (chosen.isEmpty()) return QString();
  QString path = chosen;
  if (!path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) path += QStringLiteral(".xls");
  if (QFile::exists(path) && dialogs.ask(QStringLiteral("文件已存在，是否替换？"), platform::kPromptTitle,
                                         platform::Dialogs::Buttons::YesNo) != platform::Dialogs::Answer::Yes)
    return chosen;
  spreadsheet::WriteOutcome outcome;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    outcome = spreadsheet::SpreadsheetWriter::save(build(), path);
  } catch (const std::exception& e) {
    outcome.ok = false;
    outcome.reason = QString::fromUtf8(e.what());
  }
  QApplication::restoreOverrideCursor();
  dialogs.message(outcome.ok ? QStringLiteral("文件导出成功！") : QStringLiteral("文件导出失败：") + outcome.reason);
  return chosen;
}

}  // namespace ui
