// The value forms of catalogue cells on their way into the table: names, prices, stock.
#pragma once

#include "store/CatalogueRow.h"

#include <QString>

#include <optional>

namespace catalogue {

// The text without its line breaks: a name pasted with a break is stored and keyed in
// one piece.
QString withoutLineBreaks(const QString& s);

// A name cell as stored: blanks trimmed, line breaks removed, "[" "]" as "{" "}".
QString storedName(const QString& cell);

// A price cell as stored: empty when it holds only blanks, else its leading number with
// three decimals ("12元" gives "12.000", "abc" gives "0.000").
QString storedPrice(const QString& cell);

// The stock as a number, when it is kept: nullopt for no value, a blank text or a text
// that does not begin with a number. "0" and "-3" are kept stock.
using store::keptStock;

}  // namespace catalogue
