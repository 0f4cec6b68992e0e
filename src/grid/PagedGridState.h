// The paged grid without its controls: the records of the last query as arrays of texts
// (held whole, or read a page at a time from a source), which record the first row
// shows, the row selected or highlighted, each row's colour, where "添  加" goes and
// where the page stands after a delete. The grid shows one page of it; windows and tests
// read and change it here.
#pragma once

#include "grid/GridConfig.h"
#include "grid/RecordSource.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

namespace grid {

struct Record {
  std::vector<QString> fields;
  // Why the last save of this record failed; empty once it is saved. It belongs to the
  // record, so the mark stays with it from page to page.
  QString saveFailure;
  // A record that its source could not read this time: shown empty, never saved, and
  // read again at the next page show.
  bool unreadable = false;
  // The fields as the file held them when the record was read or last saved; a save
  // writes only the fields that differ from them. Empty for a record that no file holds.
  std::vector<QString> stored = {};
};

// Row colours: even rows a warm grey, odd rows white, the highlighted row cyan, and a
// record that could not be saved in a warning colour until it is.
inline const QColor kEvenRowColor(249, 248, 245);
inline const QColor kOddRowColor(255, 255, 255);
inline const QColor kHighlightColor(0, 255, 255);
inline const QColor kUnsavedColor(255, 204, 204);

class PagedGridState {
 public:
  explicit PagedGridState(GridConfig config);

  const GridConfig& config() const { return config_; }
  // The rows of a page (GridLayout::pageRows).
  int rows() const { return rows_; }

  // Replaces the model by `records` and, for a grid that takes new entries, a page of
  // blank records after them, every field `blankFill`. Goes to the first page; clears the
  // selection and the highlight.
  void setRecords(std::vector<Record> records, const QString& blankFill = {});
  // Records given as one list of texts per field (a collection model).
  static std::vector<Record> fromCollections(const std::vector<QStringList>& collections);
  // As setRecords, but the records stay with `source` and are read a page at a time.
  // Records that were typed into or marked are held here until the next reload, so an
  // edit is never lost when its page is read again.
  void setSource(std::unique_ptr<RecordSource> source, const QString& blankFill = {});

  int recordCount() const { return recordCount_; }  // without the blank tail
  int modelSize() const { return recordCount_ + static_cast<int>(tail_.size()); }
  // Record `index` of the model (0 .. modelSize() − 1); read from the source when needed.
  const Record& record(int index) const;

  // The vertical bar: whether it moves, its maximum and its value (the record in row 0).
  bool barEnabled() const;
  int barMax() const;
  int firstVisible() const { return first_; }
  // Shows the page that starts at `value`, kept within the bar's range. Every page show
  // clears the selection and the highlight, even when the selected record stays on it.
  void showPage(int value);

  // The record that `row` shows, or -1 when the row is empty.
  int recordAt(int row) const;
  // The text of cell `column` in `row` as shown: "" for an empty row or an unfilled column.
  QString cellText(int row, int column) const;
  // Whether the record shown in `row` was read (a row without a record counts as read).
  bool rowReadable(int row) const;
  // Writes a cell's text into the record that the row shows; false for an empty row, a
  // record that could not be read or a column that shows no field.
  bool setCellText(int row, int column, const QString& text);

  // Selection by the grid's rule: the clicked row is highlighted and, by the rule,
  // remembered (the row, or the key of the record it shows).
  void select(int row);
  // Paints a row cyan without selecting it.
  void highlight(int row);
  void clearSelection();
  int selectedRow() const { return selectedRow_; }
  int highlightedRow() const { return highlightedRow_; }
  // The key field of the selected row's record (RecordKey), "" when none.
  QString selectedKey() const;

  static QColor stripeColor(int row) { return row % 2 == 0 ? kEvenRowColor : kOddRowColor; }
  QColor rowColor(int row) const;

  // "添  加": the page to show and the row whose name cell takes the caret. The first
  // blank record follows the last real one; the last two records stay in sight above it.
  struct AddTarget {
    int firstVisible;
    int row;
  };
  AddTarget addTarget() const;
  // After a delete and the reload that follows it, the page starts one record earlier
  // than it did before, never before the first.
  int firstVisibleAfterDelete(int before) const;

  // Save marks of the record shown in `row`, or of record `index` of the model.
  void markUnsaved(int row, const QString& reason);
  void markSaved(int row);
  void markRecordUnsaved(int index, const QString& reason);
  void markRecordSaved(int index);
  // Record `index` was written: its fields are now what the file holds.
  void markRecordStored(int index);
  // unsavedStatus of a marked row's reason, else "".
  QString rowStatus(int row) const;
  // What a row that could not be saved says: "未保存：" and the reason, or the reason alone
  // when it says so itself ("已在其他工作站删除，未保存").
  static QString unsavedStatus(const QString& reason);
  int unsavedCount() const;
  // The model indexes of the records that carry a save mark, in model order.
  std::vector<int> unsavedRecords() const;

 private:
  void setBlankTail(const QString& blankFill);
  Record& writable(int index);
  const Record& fromSource(int index) const;
  template <class Visit>
  void forEachHeld(Visit&& visit) const;

  GridConfig config_;
  int rows_ = 0;
  std::vector<Record> records_;  // every record, unless they come from source_
  std::vector<Record> tail_;     // the blank records after them
  std::unique_ptr<RecordSource> source_;
  // With a source: the records read last, from cacheFirst_ on, and every record that was
  // typed into or marked since the reload, which wins over what the source reads.
  mutable std::vector<Record> cache_;
  mutable int cacheFirst_ = 0;
  std::map<int, Record> held_;
  int recordCount_ = 0;
  int first_ = 0;
  int selectedRow_ = -1;
  int highlightedRow_ = -1;
  QString selectedKey_;
};

}  // namespace grid
