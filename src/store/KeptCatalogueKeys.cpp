#include "store/KeptCatalogueKeys.h"

#include "store/Catalogue.h"
#include "store/CatalogueVersion.h"

namespace store {

const CatalogueListKeys& KeptCatalogueKeys::current(Database& db, const QString& path) {
  Catalogue catalogue(db);
  if (version_ && path_ == path && guarded([&] { return catalogueVersion(db); }) == version_) return keys_;
  std::optional<CatalogueListRead> read;
  if (version_ && lastChange_ && path_ == path) read = catalogue.listKeysChangedSince(keys_, *lastChange_);
  version_.reset();
  if (!read) read = catalogue.listKeys(keys_.names());
  keys_ = std::move(read->keys);
  version_ = read->version;
  lastChange_ = read->lastChange;
  path_ = path;
  return keys_;
}

}  // namespace store
