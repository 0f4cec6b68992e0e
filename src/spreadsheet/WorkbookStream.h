// The workbook stream: the globals (fonts, formats, styles, sheet list, shared strings)
// followed by one substream per sheet, as 16-bit-character records.
#pragma once

#include "spreadsheet/Workbook.h"

#include <QByteArray>

namespace spreadsheet {

// The stream of a workbook whose limits were checked (rows, columns, text lengths).
QByteArray workbookStream(const Workbook& workbook);

}  // namespace spreadsheet
