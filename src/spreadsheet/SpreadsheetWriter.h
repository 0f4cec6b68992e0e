// Writes a workbook as an .xls file: the compound-file container around a workbook stream
// of 16-bit-character records, readable by every spreadsheet program.
#pragma once

#include "spreadsheet/Workbook.h"

#include <QByteArray>
#include <QString>

namespace spreadsheet {

struct WriteOutcome {
  bool ok = false;
  QString reason;  // why nothing was written, in the user's words
};

struct [[nodiscard]] WorkbookBytes {
  QByteArray file;
  QString reason;  // why the workbook was not written; empty when it was
};

class SpreadsheetWriter {
 public:
  // The file's bytes, or none and the reason when the workbook does not fit the format
  // (too many rows or columns, a text too long, a bad sheet name).
  static WorkbookBytes bytes(const Workbook& workbook);

  // Writes the file through a temporary file that replaces the old one only when every
  // byte is written, so a failed save leaves any earlier file as it was.
  static WriteOutcome save(const Workbook& workbook, const QString& path);
};

}  // namespace spreadsheet
