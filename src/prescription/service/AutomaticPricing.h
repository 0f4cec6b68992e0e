// "自动划价": the prescription text read as catalogue look-ups, each drug, herb or fee item
// found becomes a priced line, the first 71 priced lines fill the grid, and the amounts
// and totals are worked out again. Saving and listing today's prescriptions follow in the
// window, as after every pricing.
#pragma once

#include "prescription/service/PricedGrid.h"
#include "prescription/service/PricingLines.h"

#include "store/KeptConnection.h"

#include <QString>

#include <vector>

namespace prescription {

struct PrescriptionState;

inline const QString kPricingFailedMessage = QStringLiteral("自动划价未完成！");

// The grid filled from the priced lines in order, braces turned back into brackets in
// every cell; lines past the grid's 71 rows are not shown.
PricedGrid gridOfPricedLines(const std::vector<PricedRow>& lines);

struct PricingOutcome {
  bool priced = false;
  QString reason;                 // why the catalogue could not be read; empty when priced
  std::vector<PricedRow> lines;   // every priced line found, in the order found
};

class AutomaticPricing {
 public:
  explicit AutomaticPricing(QString mainDbPath) : main_(std::move(mainDbPath), store::Database::Mode::ReadOnly) {}
  explicit AutomaticPricing(store::KeptConnection& main) : main_(main) {}

  // Prices the prescription in the state: a herbal sheet is laid out first
  // (layOutHerbalText) and its herbs, then its fee lines are priced; an ordinary sheet
  // line by line. The grid is replaced by the priced lines and the totals follow. When
  // the catalogue cannot be read, the state is left as it was and the outcome says why.
  // Prices and stock are read from the file at every pricing: no write by another
  // workstation is missed.
  PricingOutcome price(PrescriptionState& state) const;

 private:
  store::Connection main_;
};

}  // namespace prescription
