// A catalogue grid line and the table row it is saved as, both ways.
#pragma once

#include "catalogue/service/CatalogueRow.h"
#include "text/StrokeCode.h"

namespace catalogue {

// The row that the grid's cells are saved as while the button is chosen: every cell
// trimmed of blanks; the name in stored form; the category with the western prefix under
// a western button; prices in "0.000" form or empty; the search key from the stored name,
// the initials cell as the user left it and the stroke code of the name without brackets.
CatalogueRow savedRow(const CatalogueCells& cells, int button, const text::StrokeCoder& strokes);

// The grid's cells of a stored row: the name with brackets, the category without the
// western prefix, the other columns as stored.
CatalogueCells shownCells(const CatalogueRow& row);

}  // namespace catalogue
