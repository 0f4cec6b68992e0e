#include "grid/PagedGridState.h"

#include <algorithm>

namespace grid {

PagedGridState::PagedGridState(GridConfig config) : config_(std::move(config)) {}

void PagedGridState::setRecords(std::vector<Record> records, const QString& blankFill) {
  records_ = std::move(records);
  recordCount_ = modelSize();
  if (config_.fieldCount > 0)
    for (Record& r : records_) r.fields.resize(static_cast<size_t>(config_.fieldCount));
  if (config_.bar == BarRule::BlankTail) {
    Record blank;
    blank.fields.assign(static_cast<size_t>(config_.fieldCount), blankFill);
    records_.insert(records_.end(), static_cast<size_t>(config_.blankTail), blank);
  }
  first_ = 0;
  clearSelection();
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
    case BarRule::RecordsOnly: return recordCount_ > config_.rows;
    case BarRule::NotPaged: return false;
  }
  return false;
}

int PagedGridState::barMax() const {
  if (!barEnabled()) return 0;
  return std::max(0, modelSize() - config_.rows);
}

void PagedGridState::showPage(int value) {
  first_ = std::clamp(value, 0, barMax());
  clearSelection();
}

int PagedGridState::recordAt(int row) const {
  if (row < 0 || row >= config_.rows) return -1;
  const int index = first_ + row;
  return index < modelSize() ? index : -1;
}

QString PagedGridState::cellText(int row, int column) const {
  const int index = recordAt(row);
  if (index < 0 || column < 0 || column >= config_.columnCount()) return {};
  const Column& c = config_.columns[column];
  if (c.field < 0) return {};
  const QString& stored = records_[index].fields.at(static_cast<size_t>(c.field));
  return c.shows ? c.shows(stored) : stored;
}

bool PagedGridState::setCellText(int row, int column, const QString& text) {
  const int index = recordAt(row);
  if (index < 0 || column < 0 || column >= config_.columnCount()) return false;
  const int field = config_.columns[column].field;
  if (field < 0) return false;
  records_[index].fields.at(static_cast<size_t>(field)) = text;
  return true;
}

void PagedGridState::select(int row) {
  if (row < 0 || row >= config_.rows) return;
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
      selectedKey_ = index < 0 || config_.keyField < 0 ? QString() : records_[index].fields.at(config_.keyField);
      return;
    }
  }
}

void PagedGridState::highlight(int row) {
  if (row >= 0 && row < config_.rows) highlightedRow_ = row;
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
  if (index >= 0 && !records_[index].saveFailure.isEmpty()) return kUnsavedColor;
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
  if (index >= 0) records_[index].saveFailure = reason.isEmpty() ? QStringLiteral("原因不明") : reason;
}

void PagedGridState::markSaved(int row) {
  const int index = recordAt(row);
  if (index >= 0) records_[index].saveFailure.clear();
}

QString PagedGridState::rowStatus(int row) const {
  const int index = recordAt(row);
  if (index < 0 || records_[index].saveFailure.isEmpty()) return {};
  return QStringLiteral("未保存：") + records_[index].saveFailure;
}

int PagedGridState::unsavedCount() const {
  return static_cast<int>(
      std::count_if(records_.begin(), records_.end(), [](const Record& r) { return !r.saveFailure.isEmpty(); }));
}

}  // namespace grid
