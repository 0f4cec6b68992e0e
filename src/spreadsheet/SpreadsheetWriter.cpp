#include "spreadsheet/SpreadsheetWriter.h"

#include "spreadsheet/CompoundFile.h"
#include "spreadsheet/WorkbookStream.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>

namespace spreadsheet {
namespace {

QString columnName(int column) {
  QString name;
  for (int c = column + 1; c > 0; c = (c - 1) / 26) name.prepend(QChar(u'A' + (c - 1) % 26));
  return name;
}

// The reason the workbook cannot be written, or an empty text.
QString limitBroken(const Workbook& workbook) {
  if (workbook.sheets.isEmpty()) return QStringLiteral("工作簿中没有工作表。");
  for (const Sheet& sheet : workbook.sheets) {
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    if (sheet.name.isEmpty() || sheet.name.size() > 31 ||
        std::any_of(sheet.name.begin(), sheet.name.end(), [](QChar c) { return forbidden.contains(c); }))
      return QStringLiteral("工作表名“%1”不可用。").arg(sheet.name);
    if (sheet.rows.size() > kMaxRows)
      return QStringLiteral("工作表“%1”有%2行，超过了%3行的上限。").arg(sheet.name).arg(sheet.rows.size()).arg(kMaxRows);
    if (sheet.columns.size() > kMaxColumns)
      return QStringLiteral("工作表“%1”超过了%2列的上限。").arg(sheet.name).arg(kMaxColumns);
    for (int r = 0; r < sheet.rows.size(); ++r) {
      const QList<Cell>& cells = sheet.rows[r].cells;
      if (cells.size() > kMaxColumns)
        return QStringLiteral("工作表“%1”第%2行超过了%3列的上限。").arg(sheet.name).arg(r + 1).arg(kMaxColumns);
      for (int c = 0; c < cells.size(); ++c)
        if (cells[c].textValue().size() > kMaxTextLength)
          return QStringLiteral("单元格%1%2的文字超过了%3个字符的上限。").arg(columnName(c)).arg(r + 1).arg(kMaxTextLength);
    }
  }
  return {};
}

}  // namespace

WorkbookBytes SpreadsheetWriter::bytes(const Workbook& workbook) {
  if (QString broken = limitBroken(workbook); !broken.isEmpty()) return {{}, std::move(broken)};
  return {compoundFile(workbookStream(workbook)), {}};
}

WriteOutcome SpreadsheetWriter::save(const Workbook& workbook, const QString& path) {
  const WorkbookBytes made = bytes(workbook);
  if (!made.reason.isEmpty()) return {false, made.reason};
  const QByteArray& file = made.file;

  const QString shown = QDir::toNativeSeparators(path);
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly))
    return {false, QStringLiteral("无法写入文件“%1”：%2").arg(shown, out.errorString())};
  if (out.write(file) != file.size()) {
    const QString error = out.errorString();
    out.cancelWriting();
    return {false, QStringLiteral("无法写入文件“%1”：%2").arg(shown, error)};
  }
  if (!out.commit()) return {false, QStringLiteral("无法写入文件“%1”：%2").arg(shown, out.errorString())};
  return {true, {}};
}

}  // namespace spreadsheet
