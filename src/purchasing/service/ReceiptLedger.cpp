#include "purchasing/service/ReceiptLedger.h"

#include "store/DataFile.h"
#include "text/Dates.h"

#include <SQLiteCpp/Transaction.h>

namespace purchasing {

LedgerOutcome readLedger(const QString& stockPath, const QString& namePart, const QString& category,
                         const text::DateRange& range, int cap) {
  try {
    return store::guarded([&] {
      store::Database db = store::openExisting(stockPath, store::Database::Mode::ReadOnly);
      // One read transaction: the rows are those that were counted.
      SQLite::Transaction transaction(db.sql());
      store::Purchases purchases(db);
      const QString first = text::isoDate(range.first);
      const QString last = text::isoDate(range.last);
      LedgerOutcome outcome;
      if (purchases.ledgerCount(namePart, category, first, last, cap + 1) > cap)
        outcome.tooMany = true;
      else
        outcome.rows = purchases.ledger(namePart, category, first, last, cap);
      return outcome;
    });
  } catch (const store::StoreError& e) {
    return {{}, false, e.reason()};
  }
}

std::optional<ReceiptDefaults> keptDefaults(const QString& stockPath, const QString& name) {
  try {
    return store::guarded([&] {
      store::Database db = store::openExisting(stockPath, store::Database::Mode::ReadOnly);
      return store::Purchases(db).defaultsFor(name);
    });
  } catch (const store::StoreError&) {
    return std::nullopt;  // defaults are a convenience; the boxes keep what they hold
  }
}

}  // namespace purchasing
