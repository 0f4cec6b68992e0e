// The catalogue grid's list, read a page at a time: the ids of the matching rows in name
// order are read once (cheap, from the name-order index), the rows themselves only when
// their page is shown. A category of a hundred thousand rows then lists as fast as a
// short one.
#pragma once

#include "catalogue/service/CatalogueRow.h"
#include "grid/PagedGridState.h"
#include "grid/RecordSource.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace catalogue {

// The grid's record of a stored row: its cells as shown, with the characters each
// column replaces already replaced.
grid::Record gridRecord(const CatalogueRow& row);
std::vector<grid::Record> gridRecords(const std::vector<CatalogueRow>& rows);

class CatalogueListing : public grid::RecordSource {
 public:
  // Reads the rows of `ids`, on demand, from the main data file.
  using ReadRows = std::function<std::vector<std::optional<CatalogueRow>>(const std::vector<int64_t>& ids)>;
  // Told once per failed read, with the reason; the rows of that page come back unreadable.
  using ReadFailed = std::function<void(const QString& reason)>;

  CatalogueListing(std::vector<int64_t> ids, ReadRows read, ReadFailed failed);

  int count() const override { return static_cast<int>(ids_.size()); }
  std::vector<grid::Record> fetch(int first, int n) override;

 private:
  std::vector<int64_t> ids_;
  ReadRows read_;
  ReadFailed failed_;
};

}  // namespace catalogue
