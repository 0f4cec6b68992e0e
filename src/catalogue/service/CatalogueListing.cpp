#include "catalogue/service/CatalogueListing.h"

#include "catalogue/service/CellEditing.h"
#include "catalogue/service/RowSave.h"
#include "store/DataFile.h"

#include <algorithm>

namespace catalogue {

grid::Record gridRecord(const CatalogueRow& row) {
  const CatalogueCells cells = shownCells(row);
  grid::Record record;
  record.fields.reserve(kCatalogueFieldCount);
  // A stored value with a character its column replaces is shown replaced at once.
  for (int i = 0; i < kCatalogueFieldCount; ++i) record.fields.push_back(replacedInColumn(i, cells[i]));
  // What the user sees is what a save compares the cells with: a cell is written only
  // when it is edited.
  record.stored = record.fields;
  return record;
}

std::vector<grid::Record> gridRecords(const std::vector<CatalogueRow>& rows) {
  std::vector<grid::Record> records;
  records.reserve(rows.size());
  for (const CatalogueRow& row : rows) records.push_back(gridRecord(row));
  return records;
}

CatalogueListing::CatalogueListing(std::vector<int64_t> ids, ReadRows read, ReadFailed failed)
    : ids_(std::move(ids)), read_(std::move(read)), failed_(std::move(failed)) {}

std::vector<grid::Record> CatalogueListing::fetch(int first, int n) {
  first = std::clamp(first, 0, count());
  n = std::clamp(n, 0, count() - first);
  const std::vector<int64_t> wanted(ids_.begin() + first, ids_.begin() + first + n);
  std::vector<std::optional<CatalogueRow>> rows;
  try {
    rows = read_(wanted);
  } catch (const store::StoreError& e) {
    if (failed_) failed_(e.reason());
    return {};  // every record of the page stays unreadable and is read again later
  }
  std::vector<grid::Record> records;
  records.reserve(rows.size());
  for (const std::optional<CatalogueRow>& row : rows) {
    // A row removed since the list was read (from another workstation) shows as an
    // empty line that is never written back; the next reload drops it.
    records.push_back(row ? gridRecord(*row) : grid::Record{{}, {}, true});
  }
  return records;
}

}  // namespace catalogue
