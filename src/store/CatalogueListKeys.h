// The category and search key of every catalogue row, in the catalogue list's order: all
// that a search of the list tests; and, for a list that shows names alone, each row's name.
// A window keeps them between keystrokes and reads them again only when the catalogue's
// version has moved.
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
  // Whether the rows' names are kept too.
  enum class Names { Left, Kept };

  explicit CatalogueListKeys(Names names = Names::Left) : names_(names) {}

  Names names() const { return names_; }

  // The next row in the list's order; a key without a value is never found by a search.
  // The name is kept only when the names are.
  void add(int64_t rowid, std::string_view category, std::optional<std::string_view> key,
           std::string_view name = {});

  // The places in the list (from 0), in its order, of the rows whose category begins with
  // `prefix` and, when `text` is not empty, whose key holds it: both literally, with ASCII
  // letters in either case and no other folding, as SQLite's LIKE matches them.
  std::vector<uint32_t> matchingPlaces(const QString& prefix, const QString& searchText) const;
  // The rowids of those rows, in the same order.
  std::vector<int64_t> matching(const QString& prefix, const QString& searchText) const;

  // The row at a place in the list: its rowid, and its name as stored (UTF-8; empty when
  // the names are not kept).
  int64_t rowid(uint32_t place) const { return rows_[place].rowid; }
  std::string_view name(uint32_t place) const {
    const Row& row = rows_[place];
    return std::string_view(bytes_).substr(row.name, row.nameLength);
  }
  // Puts the rows in the order of `rowids`; a rowid without a row is passed over, a row
  // whose rowid is not named is dropped.
  void reorder(const std::vector<int64_t>& rowids);
  // Lays the texts out again in the rows' order, each category once: a search then reads
  // them front to back instead of jumping about the whole catalogue's bytes.
  void packInOrder();
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
    uint32_t name;  // as stored, letters not lowered
    uint32_t nameLength;
    bool hasKey;
  };
  std::string_view text(uint32_t at, uint32_t length) const { return std::string_view(bytes_).substr(at, length); }
  uint32_t append(std::string_view text);

  Names names_;
  std::vector<Row> rows_;
  std::string bytes_;
};

}  // namespace store
