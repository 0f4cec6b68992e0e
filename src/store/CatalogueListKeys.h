// The category and search key of every catalogue row, in the catalogue list's order: all
// that a search of the list tests. A window keeps them between keystrokes and reads them
// again only when the catalogue's version has moved.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class CatalogueListKeys {
 public:
  // The next row in the list's order; a key without a value is never found by a search.
  void add(int64_t rowid, std::string_view category, std::optional<std::string_view> key);

  // The rowids, in the list's order, of the rows whose category begins with `prefix` and,
  // when `text` is not empty, whose key holds it: both literally, with ASCII letters in
  // either case and no other folding, as SQLite's LIKE matches them.
  std::vector<int64_t> matching(const QString& prefix, const QString& searchText) const;
  // Puts the rows in the order of `rowids`; a rowid without a row is passed over, a row
  // whose rowid is not named is dropped.
  void reorder(const std::vector<int64_t>& rowids);
  // A copy without the rows of `ascendingRowids`, for those rows to be read again.
  CatalogueListKeys without(const std::vector<int64_t>& ascendingRowids) const;

  size_t size() const { return rows_.size(); }

 private:
  struct Row {
    int64_t rowid;
    uint32_t category;  // offsets into bytes_, of the texts with ASCII letters lowered
    uint32_t categoryLength;
    uint32_t key;
    uint32_t keyLength;
    bool hasKey;
  };
  std::string_view text(uint32_t at, uint32_t length) const { return std::string_view(bytes_).substr(at, length); }
  uint32_t append(std::string_view text);

  std::vector<Row> rows_;
  std::string bytes_;
};

}  // namespace store
