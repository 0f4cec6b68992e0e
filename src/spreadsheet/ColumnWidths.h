// Column widths and row heights as the file stores them.
#pragma once

#include "spreadsheet/Workbook.h"

#include <cstdint>

namespace spreadsheet {

// The width a fitted column needs, in characters of the standard font: the widest shown
// text of the column, a Chinese character counting two, scaled by its row's font size,
// and one character to spare so that no number turns into "###".
double fittedWidth(const Sheet& sheet, int column);

// Characters to the file's unit: 1/256 of a digit's width, including the few pixels of
// margin that spreadsheet programs add to every column (a digit of 宋体 12 is 8 pixels).
std::uint16_t widthUnits(double characters);

// The height of a row in points: its own, or what its font needs.
double rowHeightPoints(const Row& row);

}  // namespace spreadsheet
