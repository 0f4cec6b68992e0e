// The stock changes of one dispensing operation, applied row by row in the order they
// come: each step's result is the plain number of the stock before it plus the change,
// as it would be stored, so two rows of 0.1 and 0.2 taken from 0.3 leave "0" and no
// binary residue ever reaches a stored stock. A catalogue row whose stock ends where it
// began (a drug given back by the old sales lines and taken again by the new grid) is not
// rewritten.
#pragma once

#include "store/CatalogueLookup.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace prescription {

class StockMoves {
 public:
  explicit StockMoves(store::CatalogueLookup& catalogue) : catalogue_(catalogue) {}

  // Stock of the drug (name as shown, with brackets; its category as a prefix) goes up
  // by `quantity`, or down by a negative one. A drug the catalogue lacks moves nothing.
  void add(const QString& shownName, const QString& category, double quantity);
  // Writes every kept stock that changed, as a plain number ("-3", "7.5").
  void apply();
  // Whether the catalogue has a row for the drug (its stock kept or not).
  bool inCatalogue(const QString& shownName, const QString& category) { return rowOf(shownName, category); }
  // The stock the drug's catalogue row holds after apply(); nullopt when the catalogue
  // lacks the drug or does not keep its stock (a blank stock stays blank).
  std::optional<QString> keptStock(const QString& shownName, const QString& category);

 private:
  struct Row {
    store::StockRow stored;
    std::vector<double> changes;  // in the order they were added
  };
  Row* rowOf(const QString& shownName, const QString& category);

  store::CatalogueLookup& catalogue_;
  QHash<QString, std::optional<std::int64_t>> resolved_;  // by name and category
  std::map<std::int64_t, Row> rows_;
};

}  // namespace prescription
