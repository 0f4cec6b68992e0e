// The amounts and money totals of the priced grid, worked out again from its quantities,
// unit prices and categories after every change of a quantity or a price.
#pragma once

#include "prescription/service/PricedGrid.h"

#include <QString>

#include <array>

namespace prescription {

struct PrescriptionState;

// The category of the rows whose amounts are other fees (exact text, no trimming).
inline const QString kFeeItemCategory = QStringLiteral("收费项目");

struct GridTotals {
  // Each row's quantity x unit price as "0.000", or "" when that is "0.000".
  std::array<QString, kGridRows> amounts;
  QString drugFee;   // 药费, "0.00", "" when zero
  QString otherFee;  // 其他, "0.00", "" when zero
  QString total;     // 合计, "0.00", "" when zero
};

// The totals of a grid: the drug sum is kept in fixed point (ten-thousandths), exact for
// the three-decimal amounts; the fee sum apart. Every row counts, named or not.
GridTotals RecalcTotals(const PricedGrid& grid);

// Writes the totals into the state: every row's amount, 药费, 其他, the total under the
// grid and, last, 合计, which therefore equals the total under the grid.
void applyTotals(PrescriptionState& state, const GridTotals& totals);

}  // namespace prescription
