#include "purchasing/service/ReceiptSearch.h"

#include "store/Catalogue.h"
#include "store/DataFile.h"
#include "text/BraceEscapedName.h"

namespace purchasing {

void ReceiptSearch::find(const QString& mainPath, const QString& typed, const QString& category) {
  places_.clear();
  store::Database db = store::openExisting(mainPath);
  keys_ = &kept_->current(db, mainPath);
  places_ = keys_->matchingPlaces(category, typed);
  category_ = category;
}

void ReceiptSearch::offer(const QString& mainPath, const QString& typed, const QString& category) {
  try {
    find(mainPath, typed, category);
  } catch (const store::StoreError&) {
    places_.clear();  // the list stays empty; nothing is lost
  }
}

void ReceiptSearch::readAhead(const QString& mainPath) {
  try {
    store::Database db = store::openExisting(mainPath);
    kept_->current(db, mainPath);
  } catch (const store::StoreError&) {
    // The search reads again and tells it.
  }
}

QString ReceiptSearch::shownName(int line) const {
  const std::string_view name = keys_->name(places_[static_cast<size_t>(line)]);
  return text::BracketedName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

PickOutcome ReceiptSearch::pick(const QString& mainPath, int line) const {
  const int64_t rowid = keys_->rowid(places_[static_cast<size_t>(line)]);
  try {
    return store::guarded([&] {
      store::Database db = store::openExisting(mainPath, store::Database::Mode::ReadOnly);
      const std::optional<store::ReceiptCandidate> row = store::Catalogue(db).receiptCandidate(rowid, category_);
      if (!row) return PickOutcome{};
      return PickOutcome{CatalogueMatch{text::BracketedName(row->name), row->unit, row->price, row->cost, row->stock}, {}};
    });
  } catch (const store::StoreError& e) {
    return PickOutcome{std::nullopt, e.reason()};
  }
}

}  // namespace purchasing
