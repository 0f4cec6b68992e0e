// The sheet a list window exports: its captions in row 1, one record per row after it.
// Row 1 is bold; rows 1 to one past the last record use 10-point type and are 20 points
// high; every column is fitted to its contents. A text that is a plain number becomes a
// number cell keeping its shown decimals ("0.00", "0.000"); any other text a text cell.
#pragma once

#include "spreadsheet/Workbook.h"

#include <QStringList>

#include <vector>

namespace spreadsheet {

Workbook listWorkbook(const QStringList& captions, const std::vector<QStringList>& records);

}  // namespace spreadsheet
