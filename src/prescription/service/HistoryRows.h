// The rows of the history list, made as the list needs them. A window of a few records is
// read whole, as the plain query reads it; a longer one is read a page at a time, the page
// of the rows shown, and counted in steps after its first page, so the first rows show
// at once and memory stays the same however many rows are listed: a few pages of texts
// and, for every page, the number it follows. Each row keeps the serial of its record.
#pragma once

#include "prescription/service/HistoryList.h"
#include "store/KeptConnection.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace prescription {

class HistoryRows {
 public:
  static constexpr int kPageRows = 256;
  // Windows of at most this many records are read whole.
  static constexpr int kWholeRows = 2000;

  // No rows.
  HistoryRows() = default;
  // The window's rows: the first page read (or all of a short window). A file that cannot
  // be read lists nothing, as the plain query does; the next listing tries again.
  HistoryRows(store::Connection main, const HistoryWindow& window);

  int size() const { return count_; }
  bool empty() const { return count_ == 0; }
  // Whether every row is counted; until then size() grows with countOn().
  bool complete() const { return complete_; }
  // Counts the rows on, through at most `rows` more records; false once all are counted,
  // or when the file cannot be read on (what is counted stays listed).
  bool countOn(int rows = 20000);
  // Row `row` (0 <= row < size()), its page read when it is not kept. A page read after
  // one of its records went since it was counted closes up and ends in an empty row; a
  // row whose page cannot be read reads empty. No record is listed twice.
  HistoryItem at(int row) const;

 private:
  const std::vector<HistoryItem>& page(int index) const;

  std::optional<store::Connection> main_;
  std::optional<store::HistoryFilter> filter_;
  int count_ = 0;
  bool complete_ = true;
  bool whole_ = true;  // all rows read at once, as page 0
  // anchors_[p]: the serial that page p + 1 follows.
  std::vector<QString> anchors_;
  std::optional<QString> counted_;  // the last serial counted
  int walked_ = 0;                  // the rows counted so far
  // Pages read lately, by page number; all rows of a short window are page 0.
  mutable std::map<int, std::vector<HistoryItem>> pages_;
  mutable std::vector<int> lately_;
};

}  // namespace prescription
