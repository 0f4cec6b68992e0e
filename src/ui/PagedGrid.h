// The paged grid of the list windows: a viewport Pt1 holding the surface Pt2 with the
// column headers Cm2, the row bands Lb1, one cell array per column (Lb2 ...), the row
// rules Ln1 and the column rules Ln2, and the bars VS1 (paging) and HS1 (sideways).
// Every row is built once; paging only changes texts and colours. The records and the
// rules of the window's instance live in its PagedGridState.
#pragma once

#include "grid/BusyFlag.h"
#include "grid/GridLayout.h"
#include "grid/PagedGridState.h"

#include <QHash>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace ui {

class PagedGrid : public QWidget {
  Q_OBJECT

 public:
  // Builds the grid of `config` inside `parent` at the viewport's design place.
  PagedGrid(grid::GridConfig config, QWidget* parent);

  grid::PagedGridState& state() { return state_; }
  const grid::PagedGridState& state() const { return state_; }
  // The window's busy flag: set while the grid or the window fills the cells, so that
  // the change handlers save nothing.
  grid::BusyFlag& busyFlag() { return busy_; }
  bool isBusy() const { return busy_.isSet(); }

  // A reload: the new records, the bar set up by the instance's rule, the first page
  // shown, the stripes painted and the selection cleared.
  void setRecords(std::vector<grid::Record> records, const QString& blankFill = {});
  // The same reload for a list read a page at a time from `source`.
  void setSource(std::unique_ptr<grid::RecordSource> source, const QString& blankFill = {});

  // Selects `row` by the instance's rule and paints it.
  void selectRow(int row);
  // "添  加": shows the page of the first blank record, paints its row cyan without
  // selecting it and returns the row.
  int showAddTarget();
  // The page after a delete: one record earlier than `before`, or the first.
  void showAfterDelete(int before);

  // Copies the texts of a row's cells into the record it shows (the row save reads the
  // cells as they stand, replacements included).
  void storeRow(int row);
  // Marks the record of `row` as not saved for `reason`, or clears the mark, and
  // repaints the row. The mark stays with the record when the grid pages.
  void markUnsaved(int row, const QString& reason);
  void markSaved(int row);
  // The same for record `index` of the model, shown or not.
  void markRecordUnsaved(int index, const QString& reason);
  void markRecordSaved(int index);
  void markRecordStored(int index);

  int rows() const { return state_.rows(); }
  QWidget* cell(int row, int column) const;
  QLineEdit* lineCell(int row, int column) const;  // null for label cells
  QLabel* band(int row) const;
  QWidget* surface() const { return surface_; }
  QScrollBar* VS1() const { return vs1_; }
  QScrollBar* HS1() const { return hs1_; }

 signals:
  // A cell's text changed by typing, a pick or a program write outside a fill; the
  // record shows the new text already.
  void cellEdited(int row, int column, const QString& text);
  // A click on the band (column -1) or a cell, after the row was selected.
  void cellClicked(int row, int column);
  // The selected row changed: a row, or -1 when a page show or reload cleared it.
  void selectionChanged(int row);
  // A page was shown (a reload, a bar movement).
  void pageShown(int firstVisible);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void coverRightOfTheBar();
  // Shows the page at the paging bar's value (while the thumb is dragged too).
  void showPageAtBar();
  // Shifts the surface sideways to the sideways bar's value.
  void shiftSideways();
  void showCurrentPage();
  void fillPage();
  void paintRows(bool atBuild);
  void paintRow(int row, const std::vector<int>& columns, const QColor& color);
  void setUpBar();
  void showFirstPage();
  void onCellTextChanged(int row, int column, const QString& text);

  grid::PagedGridState state_;
  grid::GridLayout layout_;
  grid::BusyFlag busy_;
  QWidget* surface_ = nullptr;
  QScrollBar* vs1_ = nullptr;
  QScrollBar* hs1_ = nullptr;
  std::vector<QLabel*> bands_;
  std::vector<std::vector<QWidget*>> cells_;  // [row][column]
  std::vector<QPushButton*> headers_;
  struct Place {
    int row;
    int column;  // -1 for the band
  };
  QHash<const QObject*, Place> places_;
};

}  // namespace ui
