// The catalogue's list keys kept between searches: read in full once, then, whenever the
// catalogue's version has moved, brought up to date from the change log by reading again
// only the rows it names. A keystroke then reads one number from the file while nothing
// changed, and sees a change from any workstation at once.
#pragma once

#include "store/CatalogueListKeys.h"
#include "store/Database.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace store {

class KeptCatalogueKeys {
 public:
  explicit KeptCatalogueKeys(CatalogueListKeys::Names names = CatalogueListKeys::Names::Left)
      : keys_(names) {}

  // The keys as the file at `path`, open as `db`, holds them now. Throws StoreError with
  // the reason when the file cannot be read; what was kept is then read in full next time.
  const CatalogueListKeys& current(Database& db, const QString& path);

 private:
  QString path_;
  std::optional<int64_t> version_;     // of keys_; nullopt when nothing is kept
  std::optional<int64_t> lastChange_;  // the change log's entry keys_ were read at
  CatalogueListKeys keys_;
};

}  // namespace store
