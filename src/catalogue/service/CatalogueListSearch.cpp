#include "catalogue/service/CatalogueListSearch.h"

#include "store/Catalogue.h"
#include "store/CatalogueVersion.h"
#include "store/DataFile.h"

namespace catalogue {

std::vector<int64_t> CatalogueListSearch::listingIds(const QString& mainPath, const QString& categoryPrefix,
                                                     const QString& searchText) {
  store::Database db = store::openExisting(mainPath);
  store::Catalogue catalogue(db);
  const bool kept = version_ && path_ == mainPath && store::catalogueVersion(db) == version_;
  if (!kept) {
    std::optional<store::CatalogueListRead> read;
    if (version_ && lastChange_ && path_ == mainPath) read = catalogue.listKeysChangedSince(keys_, *lastChange_);
    version_.reset();
    if (!read) read = catalogue.listKeys();
    keys_ = std::move(read->keys);
    version_ = read->version;
    lastChange_ = read->lastChange;
    path_ = mainPath;
  }
  return keys_.matching(categoryPrefix, searchText);
}

}  // namespace catalogue
