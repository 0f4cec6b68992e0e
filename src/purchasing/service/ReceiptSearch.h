// The goods receipt's drop-down of catalogue drugs. Every drug's category, search key and
// name are kept between keystrokes, as the catalogue window keeps its keys, so a keystroke
// reads one number from the file while the catalogue stays as it was; the unit, prices and
// stock, which the catalogue's version does not follow, are read when a drug is picked.
#pragma once

#include "store/KeptCatalogueKeys.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace purchasing {

// A catalogue drug as a pick from the drop-down fills the receipt.
struct CatalogueMatch {
  QString name;   // shown form, "[" "]"
  QString unit;   // 单位
  QString price;  // 单价: the selling price
  QString cost;   // 备用1: the purchase price
  QString stock;  // 斗位
};

struct PickOutcome {
  std::optional<CatalogueMatch> drug;  // nullopt: gone from the catalogue or its category
  QString reason;                      // why the file could not be read; empty when it was
};

class ReceiptSearch {
 public:
  // What searches keep of the catalogue between keystrokes. One kept set serves every
  // search it is given to: the ledger keeps one for all the receipts it opens, so a new
  // receipt's first keystroke does not read the whole catalogue again.
  using Kept = std::shared_ptr<store::KeptCatalogueKeys>;
  static Kept newKept() { return std::make_shared<store::KeptCatalogueKeys>(store::CatalogueListKeys::Names::Kept); }

  explicit ReceiptSearch(Kept kept = newKept()) : kept_(std::move(kept)) {}
  const Kept& kept() const { return kept_; }

  // Lists the catalogue drugs of the category (its prefix: "西成药" takes every
  // "西成药·…") whose search key holds `typed` literally, ASCII case ignored, in name
  // order. Throws store::StoreError with the reason when the file cannot be read.
  void find(const QString& mainPath, const QString& typed, const QString& category);
  // The same for the name box's list: a search that cannot run lists nothing (the booking
  // then tells the store's failure).
  void offer(const QString& mainPath, const QString& typed, const QString& category);
  void clear() { places_.clear(); }
  // Reads the catalogue's keys into what is kept, so that the first search finds them
  // there. A file that cannot be read is left to the search, which tells it.
  void readAhead(const QString& mainPath);

  int count() const { return static_cast<int>(places_.size()); }
  // The name on a line of the list, in shown form.
  QString shownName(int line) const;
  // The drug on a line as the file holds it now.
  PickOutcome pick(const QString& mainPath, int line) const;

 private:
  Kept kept_;
  const store::CatalogueListKeys* keys_ = nullptr;  // those the places were found in
  std::vector<uint32_t> places_;
  QString category_;
};

}  // namespace purchasing
