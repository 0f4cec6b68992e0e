#include "prescription/service/HistoryRows.h"

#include "store/HistoryPages.h"

#include <algorithm>

namespace prescription {
namespace {

constexpr size_t kPagesKept = 16;

std::vector<HistoryItem> itemsOf(const std::vector<store::HistoryRow>& rows) {
  std::vector<HistoryItem> items;
  items.reserve(rows.size());
  for (const store::HistoryRow& row : rows) items.push_back({row.serial, historyItemText(row)});
  return items;
}

}  // namespace

HistoryRows::HistoryRows(store::Connection main, const HistoryWindow& window)
    : main_(std::move(main)), filter_(historyFilter(window)) {
  if (!filter_) return;
  try {
    (*main_)->use([&](store::Database& db) {
      if (const auto few = store::historyIfFew(db, *filter_, kWholeRows)) {
        pages_[0] = itemsOf(*few);
        count_ = static_cast<int>(pages_[0].size());
        return;
      }
      // The first page at once; the rest is counted on (from its first record) later.
      whole_ = false;
      pages_[0] = itemsOf(store::historyPage(db, *filter_, std::nullopt, kPageRows));
      lately_.push_back(0);
      count_ = static_cast<int>(pages_[0].size());
      complete_ = count_ < kPageRows;
    });
  } catch (const std::exception&) {
    pages_.clear();
    lately_.clear();
    whole_ = true;
    count_ = 0;
    complete_ = true;
  }
}

bool HistoryRows::countOn(int rows) {
  if (complete_) return false;
  try {
    const std::vector<QString> serials =
        (*main_)->use([&](store::Database& db) { return store::historySerials(db, *filter_, counted_, rows); });
    // The walk starts at the first record: the first page's rows are counted again.
    for (const QString& serial : serials) {
      ++walked_;
      if (walked_ % kPageRows == 0) anchors_.push_back(serial);
    }
    count_ = std::max(count_, walked_);
    if (!serials.empty()) counted_ = serials.back();
    complete_ = static_cast<int>(serials.size()) < rows;
  } catch (const std::exception&) {
    complete_ = true;  // what is counted stays listed
  }
  return !complete_;
}

const std::vector<HistoryItem>& HistoryRows::page(int index) const {
  const auto kept = pages_.find(index);
  if (kept != pages_.end()) return kept->second;
  std::vector<HistoryItem> items;
  try {
    const std::optional<QString> after =
        index == 0 ? std::nullopt : std::optional<QString>(anchors_[static_cast<size_t>(index - 1)]);
    items = itemsOf((*main_)->use(
        [&](store::Database& db) { return store::historyPage(db, *filter_, after, kPageRows); }));
    // The page ends at the number the next page follows: a record deleted since the count
    // would otherwise pull the next page's first row in here, and list it twice.
    if (static_cast<size_t>(index) < anchors_.size()) {
      const QString& last = anchors_[static_cast<size_t>(index)];
      const auto beyond = std::find_if(items.begin(), items.end(), [&](const HistoryItem& item) {
        return QString::compare(item.serial, last, Qt::CaseInsensitive) < 0;  // listed newest first
      });
      items.erase(beyond, items.end());
    }
  } catch (const std::exception&) {
    // The page reads empty, kept as such (a locked file is not waited on at every paint)
    // until it is pushed out of the pages kept.
    items.clear();
  }
  // A few pages are kept: those read last.
  lately_.push_back(index);
  if (lately_.size() > kPagesKept) {
    pages_.erase(lately_.front());
    lately_.erase(lately_.begin());
  }
  return pages_[index] = std::move(items);
}

HistoryItem HistoryRows::at(int row) const {
  if (row < 0 || row >= count_) return {};
  const int index = whole_ ? 0 : row / kPageRows;
  const std::vector<HistoryItem>& items = page(index);
  const size_t at = static_cast<size_t>(whole_ ? row : row % kPageRows);
  return at < items.size() ? items[at] : HistoryItem{};
}

}  // namespace prescription
