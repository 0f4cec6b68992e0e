#include "grid/PagedGridState.h"

#include "grid/GridLayout.h"

#include <algorithm>
#include <stdexcept>

namespace grid {

PagedGridState::PagedGridState(GridConfig config)
    : config_(std::move(config)), rows_(GridLayout(config_).pageRows()) {}

void PagedGridState::setRecords(std::vector<Record> records, const QString& blankFill) {
  source_.reset();
  cache_.clear();
  held_.clear();
  records_ = std::move(records);
  recordCount_ = static_cast<int>(records_.size());
  if (config_.fieldCount > 0)
    for (Record& r : records_) r.fields.resize(static_cast<size_t>(config_.fieldCount));
  setBlankTail(blankFill);
}

void PagedGridState::setSource(std::unique_ptr<RecordSource> source, const QString& blankFill) {
  records_.clear();
  cache_.clear();
  held_.clear();
  source_ = std::move(source);
  recordCount_ = source_ ? std::max(0, source_->count()) : 0;
  setBlankTail(blankFill);
}

void PagedGridState::setBlankTail(const QString& blankFill) {
  tail_.clear();
  if (config_.bar == BarRule::BlankTail) {
    Record blank;
    blank.fields.assign(static_cast<size_t>(config_.fieldCount), blankFill);
    tail_.assign(static_cast<size_t>(rows_), blank);
  }
  first_ = 0;
  clearSelection();
}

const Record& PagedGridState::record(int index) const {
  if (index >= recordCount_) return tail_.at(static_cast<size_t>(index - recordCount_));
  if (!source_) return records_.at(static_cast<size_t>(index));
  if (index < 0) throw std::out_of_range("record index");
  const auto held = held_.find(index);
  return held != held_.end() ? held->second : fromSource(index);
}

// Reads the page around `index` when it is not at hand: the page before and the page
// after come along, so that paging a row at a time reads again only once a page.
const Record& PagedGridState::fromSource(int index) const {
  if (index < cacheFirst_ || index >= cacheFirst_ + static_cast<int>(cache_.size())) {
    cacheFirst_ = std::max(0, index - rows_);
    const int wanted = std::min(3 * rows_, recordCount_ - cacheFirst_);
    cache_ = source_->fetch(cacheFirst_, wanted);
    // Whatever the source could not hand over is kept as an unreadable record.
    cache_.resize(static_cast<size_t>(wanted), Record{{}, {}, true});
    if (config_.fieldCount > 0)
      for (Record& r : cache_) r.fields.resize(static_cast<size_t>(config_.fieldCount));
  }
  return cache_[static_cast<size_t>(index - cacheFirst_)];
}

Record& PagedGridState::writable(int index) {
  if (index >= recordCount_) return tail_.at(static_cast<size_t>(index - recordCount_));
  if (!source_) return records_.at(static_cast<size_t>(index));
  auto held = held_.find(index);
  if (held == held_.end()) held = held_.emplace(index, fromSource(index)).first;
  return held->second;
}

template <class Visit>
void PagedGridState::forEachHeld(Visit&& visit) const {
  if (source_) {
    for (const auto& [index, r] : held_) visit(index, r);
  } else {
    for (int i = 0; i < recordCount_; ++i) visit(i, records_[static_cast<size_t>(i)]);
  }
  for (int i = 0; i < static_cast<int>(tail_.size()); ++i) visit(recordCount_ + i, tail_[static_cast<size_t>(i)]);
}

std::vector<Record> PagedGridState::fromCollections(const std::vector<QStringList>& collections) {
  qsizetype count = 0;
  for (const QStringList& c : collections) count = std::max(count, c.size());
  std::vector<Record> records(static_cast<size_t>(count));
  for (qsizetype n = 0; n < count; ++n) {
    for (const QStringList& c : collections) records[n].fields.push_back(n < c.size() ? c[n] : QString());
  }
  return records;
}

bool PagedGridState::barEnabled() const {
  switch (config_.bar) {
    case BarRule::BlankTail: return true;
    case BarRule::RecordsOnly: return recordCount_ > rows_;
    case BarRule::NotPaged: return false;
  }
  return false;
}

int PagedGridState::barMax() const {
  if (!barEnabled()) return 0;
  return std::max(0, modelSize() - rows_);
}

void PagedGridState::showPage(int value) {
  first_ = std::clamp(value, 0, barMax());
  // Records that could not be read are asked for again.
  if (std::any_of(cache_.begin(), cache_.end(), [](const Record& r) { return r.unreadable; })) cache_.clear();
  clearSelection();
}

int PagedGridState::recordAt(int row) const {
  if (row < 0 || row >= rows_) return -1;
  const int index = first_ + row;
  return index < modelSize() ? index : -1;
}

QString PagedGridState::cellText(int row, int column) const {
  const int index = recordAt(row);
  if (index < 0 || column < 0 || column >= config_.columnCount()) return {};
  const Column& c = config_.columns[column];
  if (c.field < 0) return {};
  const QString& stored = record(index).fields.at(static_cast<size_t>(c.field));
  return c.shows ? c.shows(stored) : stored;
}

bool PagedGridState::rowReadable(int row) const {
  const int index = recordAt(row);
  return index < 0 || !record(index).unreadable;
}

bool PagedGridState::setCellText(int row, int column, const QString& text) {
  const int index = recordAt(row);
  if (index < 0 || column < 0 || column >= config_.columnCount()) return false;
  const int field = config_.columns[column].field;
  if (field < 0 || record(index).unreadable) return false;
  writable(index).fields.at(static_cast<size_t>(field)) = text;
  return true;
}

void PagedGridState::select(int row) {
  if (row < 0 || row >= rows_) return;
  switch (config_.selection) {
    case SelectionRule::None: return;
    case SelectionRule::Row:
      highlightedRow_ = row;
      selectedRow_ = row;
      return;
    case SelectionRule::HighlightOnly:
      highlightedRow_ = row;
      return;
    case SelectionRule::RecordKey: {
      highlightedRow_ = row;
      // A row without a record is highlighted but selects nothing.
      const int index = recordAt(row);
      selectedRow_ = index < 0 ? -1 : row;
      selectedKey_ = index < 0 || config_.keyField < 0 ? QString() : record(index).fields.at(config_.keyField);
      return;
    }
  }
}

void PagedGridState::highlight(int row) {
  if (row >= 0 && row < rows_) highlightedRow_ = row;
}

void PagedGridState::clearSelection() {
  selectedRow_ = -1;
  highlightedRow_ = -1;
  selectedKey_.clear();
}

QString PagedGridState::selectedKey() const { return selectedRow_ < 0 ? QString() : selectedKey_; }

QColor PagedGridState::rowColor(int row) const {
  if (row == highlightedRow_ || row == selectedRow_) return kHighlightColor;
  const int index = recordAt(row);
  if (index >= 0 && !record(index).saveFailure.isEmpty()) return kUnsavedColor;
  return stripeColor(row);
}

PagedGridState::AddTarget PagedGridState::addTarget() const {
  const int max = barMax();
  if (max == 0) return {0, 0};
  if (max == 1) return {0, 1};
  return {max - 2, 2};
}

int PagedGridState::firstVisibleAfterDelete(int before) const { return std::clamp(before - 1, 0, barMax()); }

void PagedGridState::markUnsaved(int row, const QString& reason) {
  const int index = recordAt(row);
  if (index >= 0) markRecordUnsaved(index, reason);
}

void PagedGridState::markSaved(int row) {
  const int index = recordAt(row);
  if (index >= 0) markRecordSaved(index);
}

void PagedGridState::markRecordUnsaved(int index, const QString& reason) {
  // A record that could not be read holds nothing of the user's to save.
  if (index < 0 || index >= modelSize() || record(index).unreadable) return;
  writable(index).saveFailure = reason.isEmpty() ? QStringLiteral("原因不明") : reason;
}

void PagedGridState::markRecordSaved(int index) {
  if (index < 0 || index >= modelSize() || record(index).saveFailure.isEmpty()) return;
  writable(index).saveFailure.clear();
}

void PagedGridState::markRecordStored(int index) {
  if (index < 0 || index >= modelSize() || record(index).unreadable) return;
  Record& written = writable(index);
  written.stored = written.fields;
  written.saveFailure.clear();
}

QString PagedGridState::rowStatus(int row) const {
  const int index = recordAt(row);
  if (index < 0 || record(index).saveFailure.isEmpty()) return {};
  return unsavedStatus(record(index).saveFailure);
}

QString PagedGridState::unsavedStatus(const QString& reason) {
  static const QString kUnsaved = QStringLiteral("未保存");
  return reason.endsWith(kUnsaved) ? reason : kUnsaved + u'：' + reason;
}

int PagedGridState::unsavedCount() const { return static_cast<int>(unsavedRecords().size()); }

std::vector<int> PagedGridState::unsavedRecords() const {
  std::vector<int> marked;
  forEachHeld([&](int index, const Record& r) {
    if (!r.saveFailure.isEmpty()) marked.push_back(index);
  });
  return marked;
}

}  // namespace grid
