#include "prescription/service/AutomaticPricing.h"

#include "prescription/service/GridTotals.h"
#include "prescription/service/PrescriptionState.h"
#include "store/DataFile.h"
#include "store/CatalogueLookup.h"
#include "text/BraceEscapedName.h"

#include <SQLiteCpp/Transaction.h>

namespace prescription {
namespace {

store::PricingCategories categoriesOf(PricingScope scope) {
  switch (scope) {
    case PricingScope::Herb:
      return store::PricingCategories::Herbs;
    case PricingScope::Fee:
      return store::PricingCategories::FeeItems;
    case PricingScope::Ordinary:
      break;
  }
  return store::PricingCategories::AllButUsageAndHerbs;
}

// One priced line: the nine cells of a grid row in stored form (names with braces) and the
// quantity as asked. The amount stays empty: the grid's totals work every amount out.
PricedRow pricedLine(const store::CataloguePriceRow& found, const QString& quantity) {
  return {found.name, quantity, found.unit, found.price, QString(), found.stock, found.category, found.drawer, found.cost};
}

}  // namespace

PricedGrid gridOfPricedLines(const std::vector<PricedRow>& lines) {
  PricedGrid grid;
  for (PricedRow& row : grid)
    for (QString& cell : row) cell = QStringLiteral("");
  for (std::size_t i = 0; i < lines.size() && i < grid.size(); ++i)
    for (int column = 0; column < kGridColumns; ++column) grid[i][column] = text::BracketedName(lines[i][column]);
  return grid;
}

PricingOutcome AutomaticPricing::price(PrescriptionState& state) const {
  // Laying the herbs out rewrites the text; the state only takes it once the look-ups ran.
  PrescriptionState priced = state;
  std::vector<PricingRequest> requests;
  if (const std::optional<HerbalLayout> layout = layOutHerbalText(priced))
    requests = herbalPricingRequests(*layout, priced.doses);
  else
    requests = ordinaryPricingRequests(priced.text);

  PricingOutcome outcome;
  try {
    main_->use([&](store::Database& db) {
      store::CatalogueLookup catalogue(db);
      // One read snapshot for all look-ups: no writer's half-done change is seen.
      SQLite::Transaction snapshot(db.sql(), SQLite::TransactionBehavior::DEFERRED);
      for (const PricingRequest& request : requests)
        if (const auto found = catalogue.priced(request.name, categoriesOf(request.scope)))
          outcome.lines.push_back(pricedLine(*found, request.quantity));
    });
  } catch (const std::exception& failure) {
    outcome.reason = store::failureReason(failure);
    return outcome;
  }
  priced.grid = gridOfPricedLines(outcome.lines);
  applyTotals(priced, RecalcTotals(priced.grid));
  state = std::move(priced);
  outcome.priced = true;
  return outcome;
}

}  // namespace prescription
