// The rows that a catalogue import adds, from the first sheet of a spreadsheet file laid
// out as the export writes it: captions in row 1, then name, usual dose, unit, usage,
// initials, category, purchase price, selling price and stock in columns A to I.
#pragma once

#include "catalogue/service/CatalogueRow.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "text/StrokeCode.h"

#include <QList>

#include <functional>

namespace catalogue {

struct ImportedRow {
  int sheetRow = 0;  // counted from 1, as the spreadsheet program shows it
  CatalogueRow row;
};

// Whether a key is already used in the table.
using KeyTaken = std::function<bool(const QString& key)>;

// One new row per sheet row from row 2 on whose name is not blank. Empty cells take the
// defaults of the chosen button (the herbal button gives "10", "g" and "中药"; any other
// "西成药·抗生素" as the category); the initials are the sheet's or, when it has none,
// computed; the search key always uses the computed initials; prices in "0.000" form, an
// empty price staying empty; "[" "]" in names stored as "{" "}". Keys are the import's
// time stamp followed by a counter from 1001, one number per sheet row, passing over any
// key that is taken.
QList<ImportedRow> importedRows(const spreadsheet::SheetRows& sheet, int button, const QString& stamp,
                                const text::StrokeCoder& strokes, const KeyTaken& keyTaken);

}  // namespace catalogue
