// A catalogue grid line and the table row it is saved as, both ways.
#pragma once

#include "catalogue/service/CatalogueRow.h"
#include "text/StrokeCode.h"

#include <optional>

namespace catalogue {

// The row that the grid's cells are saved as while the button is chosen: every cell
// trimmed of blanks; the name in stored form; the category with the western prefix under
// a western button; prices in "0.000" form or empty; the search key from the stored name,
// the initials cell as the user left it and the stroke code of the name without brackets.
CatalogueRow savedRow(const CatalogueCells& cells, int button, const text::StrokeCoder& strokes);

// The row to store when a grid line is saved over `stored`, the row the file holds under
// the line's key now. Only the cells that differ from `before`, the line as its page
// showed it when read or last saved, are taken from the line; every other column keeps
// what the file holds, so a stock or price that another writer stored since the page was
// read is never written back stale. A changed name or initials cell rebuilds the search
// key from the row's stored name and initials as they will stand.
// With no stored row, a line typed into a blank row is written whole from its cells; a
// line read from the file under the same key (another workstation removed the row since)
// gives nullopt: it is not brought back.
// `fillRatio`: the selling price is filled in at purchase price × ratio when the row to
// store has a purchase price and a selling price that reads 0, decided here from what the
// file holds, never from what a stale page showed.
std::optional<CatalogueRow> rowToStore(const std::optional<CatalogueRow>& stored, const CatalogueCells& before,
                                       const CatalogueCells& cells, int button, const text::StrokeCoder& strokes,
                                       const std::optional<QString>& fillRatio = std::nullopt);

// Why a row cannot be stored with its initials, in the user's words; empty when it can.
// The lists find a drug by its initials, and the table takes none that are empty: a name
// that gives none is refused for what is wrong with the name.
QString initialsRefusal(const CatalogueRow& row);

// The search key of a stored row: its stored name, its initials and the stroke code of
// the name without brackets.
QString searchKeyOf(const CatalogueRow& row, const text::StrokeCoder& strokes);

// The grid's cells of a stored row: the name with brackets, the category without the
// western prefix, the other columns as stored.
CatalogueCells shownCells(const CatalogueRow& row);

}  // namespace catalogue
