// Reads the first worksheet of a spreadsheet file as texts: .xls files and .xlsx files,
// told apart by their first bytes, not by the name.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace spreadsheet {

struct SheetRows {
  bool ok = false;
  QString reason;          // why the file could not be read; names the file
  QList<QStringList> rows;  // row 1 first; each row up to its last filled cell

  // The text of a cell counted from 0; "" outside what the sheet holds.
  QString cell(int row, int column) const {
    if (row < 0 || row >= rows.size() || column < 0 || column >= rows[row].size()) return {};
    return rows[row][column];
  }
};

class SpreadsheetReader {
 public:
  // Text cells as they are; a number as its shortest text ("13", not "13.0"; "15" for a
  // cell that shows 15.000); a date as "yyyy-mm-dd". Rows after the last filled one are
  // left out.
  static SheetRows readFirstSheet(const QString& path);
};

// The readers behind it, one per file kind; both report without naming the file.
SheetRows readXlsFirstSheet(const QString& path);
SheetRows readXlsxFirstSheet(const QString& path);

}  // namespace spreadsheet
