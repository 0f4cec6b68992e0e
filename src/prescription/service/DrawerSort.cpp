#include "prescription/service/DrawerSort.h"

#include "text/Blank.h"

#include <algorithm>
#include <vector>

namespace prescription {
namespace {

// The order of the rows: the drawer first, then every cell from the name on.
bool drawerOrder(const PricedRow* a, const PricedRow* b) {
  if (const int c = QString::compare((*a)[kDrawer], (*b)[kDrawer], Qt::CaseInsensitive); c != 0) return c < 0;
  for (int column = 0; column < kGridColumns; ++column)
    if (const int c = QString::compare((*a)[column], (*b)[column], Qt::CaseInsensitive); c != 0) return c < 0;
  return false;
}

}  // namespace

PricedGrid sortByDrawer(const PricedGrid& grid) {
  std::vector<const PricedRow*> named;
  for (const PricedRow& row : grid)
    if (!text::trimBlanks(row[kName]).isEmpty()) named.push_back(&row);
  std::stable_sort(named.begin(), named.end(), drawerOrder);
  PricedGrid sorted;
  for (std::size_t k = 0; k < named.size(); ++k) sorted[k] = *named[k];
  return sorted;
}

}  // namespace prescription
