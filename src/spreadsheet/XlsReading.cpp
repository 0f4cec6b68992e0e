// The .xls side of the reader, over FreeXL.
#include "spreadsheet/SpreadsheetReader.h"

#include "text/Numbers.h"

#include <QFile>

#include <freexl.h>

namespace spreadsheet {
namespace {

QString reasonOf(int code) {
  switch (code) {
    case FREEXL_FILE_NOT_FOUND:
      return QStringLiteral("文件不存在。");
    case FREEXL_INSUFFICIENT_MEMORY:
      return QStringLiteral("内存不足。");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
      return QStringLiteral("文件中没有工作簿。");
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER:
      return QStringLiteral("文件的字符编码无法识别。");
    default:
      return QStringLiteral("文件已损坏或不是Excel工作簿（错误%1）。").arg(code);
  }
}

// Closes the handle however the reading ends.
struct Handle {
  const void* h = nullptr;
  ~Handle() {
    if (h) freexl_close(h);
  }
};

QString cellText(const FreeXL_CellValue& value) {
  switch (value.type) {
    case FREEXL_CELL_INT:
      return QString::number(value.value.int_value);
    case FREEXL_CELL_DOUBLE:
      return text::plainNumber(value.value.double_value);
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
      return QString::fromUtf8(value.value.text_value);
    default:
      return {};
  }
}

}  // namespace

SheetRows readXlsFirstSheet(const QString& path) {
  SheetRows out;
  Handle handle;
  int code = freexl_open(QFile::encodeName(path).constData(), &handle.h);
  if (code != FREEXL_OK) {
    out.reason = reasonOf(code);
    return out;
  }
  unsigned int info = 0;
  if (freexl_get_info(handle.h, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED) {
    out.reason = QStringLiteral("文件有密码保护。");
    return out;
  }
  if (freexl_get_info(handle.h, FREEXL_BIFF_SHEET_COUNT, &info) != FREEXL_OK || info == 0) {
    out.reason = QStringLiteral("文件中没有工作表。");
    return out;
  }
  unsigned int rows = 0;
  unsigned short columns = 0;
  code = freexl_select_active_worksheet(handle.h, 0);
  if (code == FREEXL_OK) code = freexl_worksheet_dimensions(handle.h, &rows, &columns);
  if (code != FREEXL_OK) {
    out.reason = reasonOf(code);
    return out;
  }
  out.rows.reserve(rows);
  for (unsigned int r = 0; r < rows; ++r) {
    QStringList row;
    for (unsigned short c = 0; c < columns; ++c) {
      FreeXL_CellValue value;
      code = freexl_get_cell_value(handle.h, r, c, &value);
      if (code != FREEXL_OK) {
        out.reason = reasonOf(code);
        return out;
      }
      row.append(cellText(value));
    }
    while (!row.isEmpty() && row.last().isEmpty()) row.removeLast();
    out.rows.append(row);
  }
  out.ok = true;
  return out;
}

}  // namespace spreadsheet
