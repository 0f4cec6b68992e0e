#include "purchasing/service/ReceiptLedger.h"

#include "store/DataFile.h"
#include "text/Dates.h"

namespace purchasing {

LedgerOutcome readLedger(const QString& stockPath, const QString& namePart, const QString& category,
                         const text::DateRange& range, int limit) {
  try {
    return {store::guarded([&] {
              store::Database db = store::openExisting(stockPath, store::Database::Mode::ReadOnly);
              return store::Purchases(db).ledger(namePart, category, text::isoDate(range.first),
                                                 text::isoDate(range.last), limit);
            }),
            {}};
  } catch (const store::StoreError& e) {
    return {{}, e.reason()};
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
