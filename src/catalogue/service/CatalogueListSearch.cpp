#include "catalogue/service/CatalogueListSearch.h"

#include "store/DataFile.h"

namespace catalogue {

std::vector<int64_t> CatalogueListSearch::listingIds(const QString& mainPath, const QString& categoryPrefix,
                                                     const QString& searchText) {
  store::Database db = store::openExisting(mainPath);
  return keys_.current(db, mainPath).matching(categoryPrefix, searchText);
}

}  // namespace catalogue
