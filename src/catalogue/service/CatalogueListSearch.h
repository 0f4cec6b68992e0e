// The catalogue window's searches. Every row's category and search key are read once and
// kept while the catalogue's version stays: a keystroke then reads one number from the
// file, and a change from any workstation is seen at the next one, which reads again only
// the rows the change log names.
#pragma once

#include "store/KeptCatalogueKeys.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace catalogue {

class CatalogueListSearch {
 public:
  // The rows of the category prefix whose search key holds `searchText`, as ids in the
  // list's order. Throws store::StoreError with the reason when the file cannot be used.
  std::vector<int64_t> listingIds(const QString& mainPath, const QString& categoryPrefix, const QString& searchText);

 private:
  store::KeptCatalogueKeys keys_;
};

}  // namespace catalogue
