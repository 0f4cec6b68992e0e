// The export of a list window to an .xls file: the Save-As dialog, the name completed
// with ".xls", an existing file replaced only when the user agrees, the busy cursor
// while the file is written, and success reported only once the file is there.
#pragma once

#include "platform/Dialogs.h"
#include "spreadsheet/Workbook.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace ui {

// The program's list sheet: captions in row 1 in bold, one record per row from row 2,
// all at 10 points and 20 points high (one row past the last record too), columns
// fitted. In the `numberColumns` (0-based) a text that is a plain number becomes a
// number cell keeping its decimals; every other value (names, dates, batch numbers)
// stays a text cell.
spreadsheet::Workbook listWorkbook(const QStringList& captions, const std::vector<QStringList>& records,
                                   const QList<int>& numberColumns);

// Asks for the file and writes what `build` makes. Returns the chosen name, trimmed, or
// an empty text when the dialog was cancelled (nothing is written then).
// `build` runs only after the name is settled; it may throw std::exception, whose
// message is reported as the failure.
QString exportToSpreadsheet(platform::Dialogs& dialogs, const std::function<spreadsheet::Workbook()>& build);

}  // namespace ui
