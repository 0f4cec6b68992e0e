// The priced grid on the right of the prescription window: the frame Picture3 with its
// heading buttons Command3, the rows panel Picture1 that slides under them (the bands Lb1,
// the nine cell columns Lb2 to Lb10, the rules Line3 and Ln1), the scroll bar VScroll1
// and the totals strip Picture5 (Label14, the total Label16, the herbal summary Label17).
// It shows a PricedGrid and hands on what the user types into the quantity and price
// cells; the prescription model decides what the cells then hold.
#pragma once

#include "prescription/service/PricedGrid.h"
#include "ui/ControlArray.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <vector>

namespace prescription {

class PricedGridView {
 public:
  // The user changed a quantity or price cell to `text`; `column` is kQuantity or kPrice.
  using CellTyped = std::function<void(int row, int column, const QString& text)>;

  // Builds the grid's controls on `window` at their designed places.
  PricedGridView(QWidget* window, CellTyped typed);

  // Odd rows slightly darker than even ones, bands and text boxes alike.
  void paintStripes();
  // Every cell of `grid`, and `total` under it. A row without a name takes no quantity
  // or price.
  void showGrid(const PricedGrid& grid, const QString& total);
  // Back to the first rows.
  void scrollToTop() { VScroll1->setValue(0); }
  // The summary of the herbal layout on the totals strip, shown while the sheet is herbal.
  void showHerbalSummary(const QString& summary, bool shown);

 private:
  void buildRows();
  void showCell(int row, int column, const QString& text);
  // Slides the rows panel to the scroll bar's value.
  void VScroll1_Change();

  CellTyped typed_;
  // True while showGrid fills the cells: their changes are not the user's.
  bool showing_ = false;

  QScrollBar* VScroll1 = nullptr;
  QWidget* Picture1 = nullptr;
  QLabel* Label16 = nullptr;
  QLabel* Label17 = nullptr;
  ui::ControlArray<QLabel> Lb1{QStringLiteral("Lb1")};
  // The nine cell columns Lb2 to Lb10, in stored order: text boxes for quantity, price and
  // amount, labels for the rest.
  std::vector<ui::ControlArray<QLabel>> labelCells_;
  std::vector<ui::ControlArray<QLineEdit>> boxCells_;
};

}  // namespace prescription
