// "按斗位排序": the priced grid's rows ordered by drawer position, so that the herbs can be
// taken from the cabinet in one walk.
#pragma once

#include "prescription/service/PricedGrid.h"

namespace prescription {

// The rows with a name (blanks aside) ordered by drawer position as text, then by the rest
// of the row (name, quantity, ... purchase price) as text, both without regard to letter
// case; they close up from row 0 and every row after them is empty. Rows are compared as
// records, so a "$" or any other character inside a cell is just text.
PricedGrid sortByDrawer(const PricedGrid& grid);

}  // namespace prescription
