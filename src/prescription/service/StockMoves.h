// The stock changes of one dispensing operation, gathered per catalogue row before any
// is written: a drug taken by the new grid and given back by the old sales lines moves
// only by the difference, and a row whose stock ends where it began is not rewritten.
#pragma once

#include "store/CatalogueLookup.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>

namespace prescription {

class StockMoves {
 public:
  explicit StockMoves(store::CatalogueLookup& catalogue) : catalogue_(catalogue) {}

  // Stock of the drug (name as shown, with brackets; its category as a prefix) goes up
  // by `quantity`, or down by a negative one. A drug the catalogue lacks moves nothing.
  void add(const QString& shownName, const QString& category, double quantity);
  // Writes every kept stock that changed, as a plain number ("-3", "7.5").
  void apply();
  // The stock the drug's catalogue row holds after apply(); nullopt when the catalogue
  // lacks the drug or does not keep its stock (a blank stock stays blank).
  std::optional<QString> keptStock(const QString& shownName, const QString& category);

 private:
  struct Row {
    store::StockRow stored;
    double change = 0;
  };
  Row* rowOf(const QString& shownName, const QString& category);

  store::CatalogueLookup& catalogue_;
  QHash<QString, std::optional<std::int64_t>> resolved_;  // by name and category
  std::map<std::int64_t, Row> rows_;
};

}  // namespace prescription
