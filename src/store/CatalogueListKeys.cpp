#include "store/CatalogueListKeys.h"

#include <QByteArray>

#include <algorithm>
#include <unordered_map>

namespace store {
namespace {

char lowered(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string loweredAscii(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::string out(bytes.constData(), size_t(bytes.size()));
  for (char& c : out) c = lowered(c);
  return out;
}

}  // namespace

uint32_t CatalogueListKeys::append(std::string_view text) {
  const auto at = uint32_t(bytes_.size());
  for (const char c : text) bytes_ += lowered(c);
  return at;
}

void CatalogueListKeys::add(int64_t rowid, std::string_view category, std::optional<std::string_view> key,
                            std::string_view name) {
  Row row{rowid, append(category), uint32_t(category.size()), 0, 0, 0, 0, key.has_value()};
  if (key) {
    row.key = append(*key);
    row.keyLength = uint32_t(key->size());
  }
  if (names_ == Names::Kept) {
    row.name = uint32_t(bytes_.size());
    row.nameLength = uint32_t(name.size());
    bytes_ += name;
  }
  rows_.push_back(row);
}

std::vector<uint32_t> CatalogueListKeys::matchingPlaces(const QString& prefix, const QString& searchText) const {
  // UTF-8 is matched byte for byte: a character's bytes never match inside another's.
  const std::string wantedPrefix = loweredAscii(prefix);
  const std::string wantedText = loweredAscii(searchText);
  std::vector<uint32_t> places;
  // Rows of one category share its text once packed: its test is made once in a run.
  uint32_t lastCategory = UINT32_MAX;
  bool lastTaken = false;
  for (uint32_t place = 0; place < rows_.size(); ++place) {
    const Row& row = rows_[place];
    if (row.category != lastCategory) {
      lastCategory = row.category;
      lastTaken = text(row.category, row.categoryLength).starts_with(wantedPrefix);
    }
    if (!lastTaken) continue;
    if (!wantedText.empty() &&
        (!row.hasKey || text(row.key, row.keyLength).find(wantedText) == std::string_view::npos))
      continue;
    places.push_back(place);
  }
  return places;
}

std::vector<int64_t> CatalogueListKeys::matching(const QString& prefix, const QString& searchText) const {
  const std::vector<uint32_t> places = matchingPlaces(prefix, searchText);
  std::vector<int64_t> ids;
  ids.reserve(places.size());
  for (const uint32_t place : places) ids.push_back(rows_[place].rowid);
  return ids;
}

void CatalogueListKeys::reorder(const std::vector<int64_t>& rowids) {
  std::vector<Row> ordered;
  ordered.reserve(rowids.size());
  if (rows_.empty()) {
    rows_ = std::move(ordered);
    return;
  }
  const auto [least, greatest] = std::minmax_element(
      rows_.begin(), rows_.end(), [](const Row& a, const Row& b) { return a.rowid < b.rowid; });
  const uint64_t span = uint64_t(greatest->rowid) - uint64_t(least->rowid);
  if (span / 4 <= rows_.size() + 1024) {
    // Rowids close together, as they are: each row's place found by its rowid directly.
    const int64_t first = least->rowid;
    std::vector<int32_t> placeOf(size_t(span) + 1, -1);
    for (size_t i = 0; i < rows_.size(); ++i) placeOf[size_t(uint64_t(rows_[i].rowid) - uint64_t(first))] = int32_t(i);
    for (const int64_t rowid : rowids) {
      if (rowid < first || uint64_t(rowid) - uint64_t(first) > span) continue;
      const int32_t place = placeOf[size_t(uint64_t(rowid) - uint64_t(first))];
      if (place >= 0) ordered.push_back(rows_[size_t(place)]);
    }
  } else {
    const auto byRowid = [](const Row& a, const Row& b) { return a.rowid < b.rowid; };
    std::sort(rows_.begin(), rows_.end(), byRowid);
    for (const int64_t rowid : rowids) {
      const auto at = std::lower_bound(rows_.begin(), rows_.end(), rowid,
                                       [](const Row& row, int64_t wanted) { return row.rowid < wanted; });
      if (at != rows_.end() && at->rowid == rowid) ordered.push_back(*at);
    }
  }
  rows_ = std::move(ordered);
}

void CatalogueListKeys::packInOrder() {
  std::string packed;
  packed.reserve(bytes_.size());
  std::unordered_map<std::string_view, uint32_t> categories;
  const auto move = [&](uint32_t& at, uint32_t length) {
    const std::string_view old = text(at, length);
    at = uint32_t(packed.size());
    packed += old;
  };
  for (Row& row : rows_) {
    const auto [known, fresh] =
        categories.try_emplace(text(row.category, row.categoryLength), uint32_t(packed.size()));
    if (fresh) packed += known->first;
    row.category = known->second;
    if (row.hasKey) move(row.key, row.keyLength);
    if (names_ == Names::Kept) move(row.name, row.nameLength);
  }
  bytes_ = std::move(packed);
}

CatalogueListKeys CatalogueListKeys::without(const std::vector<int64_t>& ascendingRowids) const {
  // The texts stay where they are; those of the rows left out are only passed over.
  CatalogueListKeys copy(names_);
  copy.bytes_ = bytes_;
  copy.rows_.reserve(rows_.size());
  for (const Row& row : rows_)
    if (!std::binary_search(ascendingRowids.begin(), ascendingRowids.end(), row.rowid)) copy.rows_.push_back(row);
  return copy;
}

}  // namespace store
