#include "prescription/PricedGridView.h"

#include "ui/ControlTable.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Line.h"
#include "ui/Twips.h"
#include "ui/TypingLimits.h"
#include "ui/WholeText.h"

#include <QColor>
#include <QFrame>
#include <QPushButton>
#include <QScopedValueRollback>

#include <array>
#include <utility>

namespace prescription {
namespace {

using ui::paint;

const QColor kDarkBlue(0, 0, 192);
const QColor kRuleGrey(224, 224, 224);
const QColor kOddRow(249, 248, 245);
const QColor kTotalsStrip(192, 192, 255);

// The columns in stored order (Lb2 .. Lb10), in twips: the heading button's index,
// caption, left and width; the cell's left and width; text box or label; alignment.
struct GridColumnLayout {
  int heading;
  const char16_t* caption;
  double headingLeft;
  double headingWidth;
  double cellLeft;
  double cellWidth;
  bool textBox;
  Qt::Alignment alignment;
};
const std::array<GridColumnLayout, kGridColumns> kGridColumnsLayout = {{
    {7, u"药物名称", 0, 1755, 60, 1635, false, Qt::AlignLeft | Qt::AlignVCenter},
    {0, u"数量", 1740, 480, 1800, 375, true, Qt::AlignCenter},
    {4, u"单位", 2220, 525, 2280, 375, false, Qt::AlignCenter},
    {1, u"单价", 2700, 720, 2760, 615, true, Qt::AlignRight | Qt::AlignVCenter},
    {2, u"金额", 3420, 735, 3480, 615, true, Qt::AlignRight | Qt::AlignVCenter},
    {5, u"库存", 4140, 615, 4200, 495, false, Qt::AlignCenter},
    {6, u"分类", 5460, 840, 5520, 675, false, Qt::AlignCenter},
    {3, u"斗位", 4980, 480, 5100, 375, false, Qt::AlignCenter},
    {8, u"进价", 6300, 840, 6360, 675, false, Qt::AlignCenter},
}};
constexpr int kHiddenHeading = 6;  // "分类"
constexpr double kHeadingHeight = 275;
constexpr double kRowPitch = 315;
constexpr double kBandWidth = 7155;
constexpr double kLabelCellHeight = 195;
constexpr double kBoxCellHeight = 225;
constexpr double kRowsPanelTop = 240;
constexpr double kRowsPanelWidth = 7335;
constexpr double kRowsPanelHeight = 22000;
constexpr double kGridFrameHeight = 3400;
constexpr double kTotalsStripHeight = 315;
// The upright rules Line3(0..7): x, and where they end (those behind the scroll bar end
// early).
constexpr std::array<std::pair<double, double>, 8> kGridRules = {{
    {1740, 22000}, {2220, 22000}, {2700, 22000}, {3420, 22000},
    {4980, 11580}, {4140, 22000}, {4740, 22000}, {6300, 11580},
}};
// The heading click shows the rows from this far down.
constexpr double kHeadingClickTop = -8580;
// The scroll bar's range.
constexpr int kScrollMaximum = 10;

}  // namespace

PricedGridView::PricedGridView(QWidget* window, CellTyped typed) : typed_(std::move(typed)) {
  QFrame* Picture3 = ui::makePanel(window, "Picture3", {9900, 840, 5055, kGridFrameHeight}, Qt::white);
  Picture1 = ui::make<QWidget>(Picture3, "Picture1", {0, kRowsPanelTop, kRowsPanelWidth, kRowsPanelHeight});
  ui::ControlArray<QPushButton> Command3{QStringLiteral("Command3")};
  paint(Picture1, Qt::white);
  for (int column = 0; column < kGridColumns; ++column) {
    const GridColumnLayout& c = kGridColumnsLayout[column];
    QPushButton* heading =
        Command3.make(c.heading, Picture3, {c.headingLeft, 0, c.headingWidth, kHeadingHeight}, QString::fromUtf16(c.caption));
    heading->setFocusPolicy(Qt::NoFocus);
    if (c.heading == kHiddenHeading) heading->hide();
    QObject::connect(heading, &QPushButton::clicked, Picture1,
                     [this] { Picture1->move(Picture1->x(), ui::px(kHeadingClickTop)); });
  }
  VScroll1 = ui::make<QScrollBar>(Picture3, "VScroll1", {4740, 0, 255, 3360}, Qt::Vertical);
  VScroll1->setRange(0, kScrollMaximum);
  VScroll1->setSingleStep(1);
  VScroll1->setPageStep(1);
  QObject::connect(VScroll1, &QScrollBar::valueChanged, VScroll1, [this] { VScroll1_Change(); });

  QFrame* Picture5 = ui::makePanel(Picture3, "Picture5", {0, 3060, 4755, kTotalsStripHeight}, kTotalsStrip);
  const ui::Look totals = ui::Look().coloured(kDarkBlue);
  ui::makeLabel(Picture5, "Label14", {3480, 60}, QStringLiteral("合计："), totals);
  Label16 = ui::makeLabel(Picture5, "Label16", {4020, 60, 735, 195}, {}, totals);
  Label17 = ui::makeLabel(Picture5, "Label17", {60, 60, 3360, 195}, {}, totals.hiddenAtFirst());
  ui::keepTextWhole(Label16);

  for (int column = 0; column < kGridColumns; ++column) {
    const QString name = QStringLiteral("Lb%1").arg(column + 2);
    labelCells_.emplace_back(name);
    boxCells_.emplace_back(name);
  }
  buildRows();
  ui::ControlArray<ui::Line> Line3{QStringLiteral("Line3")};
  for (int i = 0; i < static_cast<int>(kGridRules.size()); ++i)
    ui::makeLine(Line3, Picture1, {i, kGridRules[i].first, 0, kGridRules[i].first, kGridRules[i].second, kRuleGrey});
  Picture5->raise();
  for (const auto& [i, heading] : Command3) heading->raise();
  VScroll1->raise();
}

// The 71 rows, each a band with its nine cells on it and the rule under it; row r lies
// one pitch below row r - 1 (row 0's band at the top, its cells 60 twips down).
void PricedGridView::buildRows() {
  const QFont cellFont = ui::designFont(ui::kSongTi, 9);
  ui::ControlArray<ui::Line> Ln1{QStringLiteral("Ln1")};
  // Quantities, prices, amounts and the stock read whole however narrow their cells.
  const auto isNumber = [](int column) {
    return column == kQuantity || column == kPrice || column == kAmount || column == kStock || column == kCost;
  };
  for (int r = 0; r < kGridRows; ++r) {
    const double bandTop = r == 0 ? 0 : r * kRowPitch - 15;
    const double cellTop = r == 0 ? 60 : r * kRowPitch + 45;
    QLabel* band = Lb1.make(r, Picture1, {0, bandTop, kBandWidth, kRowPitch});
    band->setAutoFillBackground(true);
    band->lower();
    for (int column = 0; column < kGridColumns; ++column) {
      const GridColumnLayout& c = kGridColumnsLayout[column];
      if (c.textBox) {
        QLineEdit* cell = boxCells_[column].make(r, Picture1, {c.cellLeft, cellTop, c.cellWidth, kBoxCellHeight});
        ui::flatten(cell);
        cell->setFont(cellFont);
        cell->setAlignment(c.alignment);
        // "@" and "$" separate the stored grid's rows and cells.
        ui::refuseTyping(cell, QStringLiteral("@$"));
        cell->setReadOnly(true);  // the amount always; quantity and price until the row has a name
        if (isNumber(column)) ui::keepTextWhole(cell);
      } else {
        QLabel* cell = labelCells_[column].make(r, Picture1, {c.cellLeft, cellTop, c.cellWidth, kLabelCellHeight});
        cell->setFont(cellFont);
        cell->setAlignment(c.alignment);
        if (isNumber(column)) ui::keepTextWhole(cell);
      }
    }
    const double ruleY = 300 + r * kRowPitch;
    ui::makeLine(Ln1, Picture1, {r, 0, ruleY, 7200, ruleY, kRuleGrey})->raise();
  }
  for (int column : {kQuantity, kPrice})
    for (const auto& [r, cell] : boxCells_[column]) {
      const int row = r;
      QObject::connect(cell, &QLineEdit::textChanged, cell, [this, row, column](const QString& text) {
        if (!showing_) typed_(row, column, text);
      });
    }
}

void PricedGridView::paintStripes() {
  for (int r = 0; r < kGridRows; ++r) {
    const QColor colour = r % 2 == 1 ? kOddRow : QColor(Qt::white);
    paint(Lb1[r], colour);
    for (int column : {kQuantity, kPrice, kAmount}) paint(boxCells_[column][r], colour);
  }
}

void PricedGridView::showGrid(const PricedGrid& grid, const QString& total) {
  const QScopedValueRollback quiet(showing_, true);
  for (int r = 0; r < kGridRows; ++r)
    for (int column = 0; column < kGridColumns; ++column) showCell(r, column, grid[r][column]);
  ui::setWholeText(Label16, total);
}

void PricedGridView::showHerbalSummary(const QString& summary, bool shown) {
  ui::setWholeText(Label17, summary);
  Label17->setVisible(shown);
}

void PricedGridView::showCell(int row, int column, const QString& text) {
  if (boxCells_[column].contains(row)) {
    QLineEdit* box = boxCells_[column][row];
    if (box->text() != text) box->setText(text);
  } else {
    ui::setWholeText(labelCells_[column][row], text);
  }
  if (column == GridColumn::kName) {
    // Quantity and price belong to a drug: a row without a name takes neither.
    const bool named = !text.isEmpty();
    boxCells_[kQuantity][row]->setReadOnly(!named);
    boxCells_[kPrice][row]->setReadOnly(!named);
  }
}

void PricedGridView::VScroll1_Change() {
  const float travel = static_cast<float>(kRowsPanelHeight - kGridFrameHeight + kHeadingHeight + kTotalsStripHeight);
  const float top = static_cast<float>(kHeadingHeight) - travel * VScroll1->value() / kScrollMaximum;
  Picture1->move(Picture1->x(), ui::px(top));
}

}  // namespace prescription
