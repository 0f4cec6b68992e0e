#include "ui/PagedGrid.h"

#include "ui/ControlArray.h"
#include "ui/Twips.h"
#include "ui/TypedText.h"
#include "ui/WholeText.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <type_traits>

namespace ui {
namespace {

// Every control of the grid is made here: named, placed from twips and described by
// its name, so that tests and screen readers tell the elements apart.
template <class W, class... Args>
W* makeControl(QWidget* parent, const QString& name, const QRect& twipsRect, Args&&... args) {
  auto* control = new W(std::forward<Args>(args)..., parent);
  if constexpr (std::is_base_of_v<QLineEdit, W>) dropUntypableCharacters(control);
  control->setObjectName(name);
  control->setAccessibleDescription(name);
  control->setGeometry(pxRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
  return control;
}

QString arrayName(int array) { return QStringLiteral("Lb") + QString::number(array); }

// A line of the grid: a filled strip one pixel thick.
QWidget* makeLine(QWidget* parent, const QString& name, const QRect& twipsRect, const QColor& color) {
  auto* line = makeControl<QWidget>(parent, name, twipsRect);
  QRect r = line->geometry();
  if (r.width() < 1) r.setWidth(1);
  if (r.height() < 1) r.setHeight(1);
  line->setGeometry(r);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, color);
  line->setPalette(palette);
  return line;
}

void fillWith(QWidget* widget, const QColor& color) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  widget->setPalette(palette);
}

// Paints a band or a cell, touching the palette only when the colour changes: a page
// show repaints every row, and most keep their colour.
void paint(QWidget* widget, const QColor& color) {
  const QPalette::ColorRole role = qobject_cast<QLineEdit*>(widget) ? QPalette::Base : QPalette::Window;
  if (widget->autoFillBackground() && widget->palette().color(role) == color) return;
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(role, color);
  widget->setPalette(palette);
}

QString textOf(const QWidget* cell) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(cell)) return edit->text();
  return static_cast<const QLabel*>(cell)->text();
}

void setTextOf(QWidget* cell, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(cell)) {
    if (edit->text() == text) return;
    edit->setText(text);
    // A filled box shows the start of its text, as a box whose text is set does; a long
    // name then reads from its beginning.
    edit->setCursorPosition(0);
  } else {
    ui::setWholeText(static_cast<QLabel*>(cell), text);
  }
}

}  // namespace

PagedGrid::PagedGrid(grid::GridConfig config, QWidget* parent)
    : QWidget(parent), state_(std::move(config)), layout_(state_.config()) {
  build();
  setRecords({});
}

void PagedGrid::build() {
  const grid::GridConfig& config = state_.config();
  const grid::Geometry& g = config.geometry;
  setObjectName(QStringLiteral("Pt1"));
  setAccessibleDescription(objectName());
  setGeometry(pxRect(layout_.viewport().x(), layout_.viewport().y(), layout_.viewport().width(),
                     layout_.viewport().height()));
  if (g.viewportColor.isValid()) fillWith(this, g.viewportColor);

  // The surface ends with the rows of a page: beside the sideways bar below them the
  // viewport shows, so that strip does not read as one more row.
  surface_ = makeControl<QWidget>(this, QStringLiteral("Pt2"), QRect(0, 0, g.surfaceWidth, layout_.pageHeight()));
  if (g.surfaceColor.isValid()) fillWith(surface_, g.surfaceColor);

  for (int h = 0; h < static_cast<int>(config.headers.size()); ++h) {
    auto* header = makeControl<QPushButton>(surface_, elementName(QStringLiteral("Cm2"), h), layout_.header(h),
                                            config.headers[h].caption);
    header->setFocusPolicy(Qt::NoFocus);
    header->setVisible(!config.headers[h].hidden);
    headers_.push_back(header);
  }

  // Only the rows of a page are built: where the sideways bar stands over the last
  // designed row, that row is not made, so no record hides under the bar.
  const int columns = config.columnCount();
  cells_.assign(static_cast<size_t>(rows()), {});
  for (int row = 0; row < rows(); ++row) {
    auto* band = makeControl<QLabel>(surface_, elementName(arrayName(1), row), layout_.band(row));
    band->lower();
    band->installEventFilter(this);
    places_.insert(band, Place{row, -1});
    bands_.push_back(band);
    for (int column = 0; column < columns; ++column) {
      const grid::Column& design = config.columns[column];
      const QString name = elementName(arrayName(column + 2), row);
      QWidget* cell = nullptr;
      if (config.cells == grid::CellKind::LineEdit) {
        auto* edit = makeControl<QLineEdit>(surface_, name, layout_.cell(row, column));
        edit->setFrame(false);
        edit->setAlignment(design.alignment);
        edit->setReadOnly(design.readOnly);
        connect(edit, &QLineEdit::textChanged, this,
                [this, row, column](const QString& text) { onCellTextChanged(row, column, text); });
        if (design.number) keepTextWhole(edit);
        cell = edit;
      } else {
        auto* label = makeControl<QLabel>(surface_, name, layout_.cell(row, column));
        label->setAlignment(design.alignment);
        // A number reads whole; a name too long for its cell reads from its start and ends
        // at its last whole character.
        if (design.number)
          keepTextWhole(label);
        else
          keepTextBeginning(label);
        cell = label;
      }
      cell->installEventFilter(this);
      places_.insert(cell, Place{row, column});
      cells_[row].push_back(cell);
    }
  }

  // Rules over the bands and cells: one under every row, one right of every array.
  for (int row = 0; row < rows(); ++row) {
    const int y = layout_.ruleY(row);
    makeLine(surface_, elementName(QStringLiteral("Ln1"), row), QRect(g.ruleLeft, y, g.ruleRight - g.ruleLeft, 15),
             g.lineColor)
        ->raise();
  }
  const QRect separator0(g.separatorX, g.separatorTop, 15, g.separatorBottom - g.separatorTop);
  makeLine(surface_, elementName(QStringLiteral("Ln2"), 0), separator0, g.lineColor)->raise();
  for (int array = 1; array <= columns + 1; ++array) {
    QRect r = separator0;
    r.moveLeft(layout_.separatorX(array));
    makeLine(surface_, elementName(QStringLiteral("Ln2"), array), r, g.lineColor)->raise();
  }

  if (config.bar != grid::BarRule::NotPaged) {
    const QRect bar = layout_.verticalBar();
    vs1_ = makeControl<QScrollBar>(this, QStringLiteral("VS1"), bar, Qt::Vertical);
    // A page moves by the rows it shows, the arrows by one.
    vs1_->setPageStep(rows());
    // valueChanged follows the thumb while it is dragged, so the page follows it too.
    connect(vs1_, &QScrollBar::valueChanged, this, [this] { showPageAtBar(); });
    coverRightOfTheBar();
  }
  if (config.sideways != grid::SidewaysBar::None) {
    hs1_ = makeControl<QScrollBar>(this, QStringLiteral("HS1"), layout_.horizontalBar(), Qt::Horizontal);
    const int overflow = px(layout_.sidewaysOverflow());
    hs1_->setRange(0, std::max(0, overflow));
    hs1_->setSingleStep(px(600));
    hs1_->setPageStep(std::max(1, overflow / 2));
    hs1_->setEnabled(overflow > 0);
    if (config.sideways == grid::SidewaysBar::Shifts)
      connect(hs1_, &QScrollBar::valueChanged, this, [this] { shiftSideways(); });
  }
  paintRows(true);
}

void PagedGrid::coverRightOfTheBar() {
  // The strip between the bar and the viewport's edge is the viewport's own: the columns
  // that run on under the bar must not show a stray digit or a stripe through it.
  const int left = vs1_->geometry().right() + 1;
  if (left >= width()) return;
  auto* strip = makeControl<QWidget>(this, QStringLiteral("Pt1_edge"), {});
  strip->setGeometry(left, 0, width() - left, height());
  const QColor viewport = state_.config().geometry.viewportColor;
  fillWith(strip, viewport.isValid() ? viewport : palette().color(QPalette::Window));
  strip->raise();
}

void PagedGrid::setRecords(std::vector<grid::Record> records, const QString& blankFill) {
  const grid::BusyFlag::Hold hold = busy_.hold();
  state_.setRecords(std::move(records), blankFill);
  showFirstPage();
}

void PagedGrid::setSource(std::unique_ptr<grid::RecordSource> source, const QString& blankFill) {
  const grid::BusyFlag::Hold hold = busy_.hold();
  state_.setSource(std::move(source), blankFill);
  showFirstPage();
}

void PagedGrid::showFirstPage() {
  setUpBar();
  showCurrentPage();
}

void PagedGrid::setUpBar() {
  if (!vs1_) return;
  const QSignalBlocker blocker(vs1_);
  vs1_->setRange(0, state_.barMax());
  vs1_->setValue(state_.firstVisible());
  vs1_->setEnabled(state_.barEnabled());
}

void PagedGrid::showPageAtBar() {
  const grid::BusyFlag::Hold hold = busy_.hold();
  state_.showPage(vs1_ ? vs1_->value() : 0);
  showCurrentPage();
}

// Texts and stripes of the page the state now stands on; the selection is gone.
void PagedGrid::showCurrentPage() {
  fillPage();
  paintRows(false);
  emit pageShown(state_.firstVisible());
  emit selectionChanged(-1);
}

void PagedGrid::shiftSideways() {
  if (!hs1_) return;
  const int left = grid::surfaceLeft(hs1_->value(), hs1_->maximum(), layout_.sidewaysOverflow());
  surface_->move(px(left), 0);
}

void PagedGrid::selectRow(int row) {
  const grid::BusyFlag::Hold hold = busy_.hold();
  state_.select(row);
  paintRows(false);
  const grid::SelectionRule rule = state_.config().selection;
  if (rule == grid::SelectionRule::Row || rule == grid::SelectionRule::RecordKey)
    emit selectionChanged(state_.selectedRow());
}

int PagedGrid::showAddTarget() {
  const grid::PagedGridState::AddTarget target = state_.addTarget();
  if (vs1_ && vs1_->value() != target.firstVisible) vs1_->setValue(target.firstVisible);
  state_.highlight(target.row);
  paintRows(false);
  return target.row;
}

void PagedGrid::showAfterDelete(int before) {
  if (vs1_) vs1_->setValue(state_.firstVisibleAfterDelete(before));
}

void PagedGrid::storeRow(int row) {
  if (row < 0 || row >= rows()) return;
  for (int column = 0; column < state_.config().columnCount(); ++column)
    if (qobject_cast<QLineEdit*>(cells_[row][column])) state_.setCellText(row, column, textOf(cells_[row][column]));
}

void PagedGrid::markUnsaved(int row, const QString& reason) { markRecordUnsaved(state_.recordAt(row), reason); }

void PagedGrid::markSaved(int row) { markRecordSaved(state_.recordAt(row)); }

void PagedGrid::markRecordUnsaved(int index, const QString& reason) {
  state_.markRecordUnsaved(index, reason);
  paintRows(false);
}

void PagedGrid::markRecordSaved(int index) {
  state_.markRecordSaved(index);
  paintRows(false);
}

void PagedGrid::markRecordStored(int index) {
  state_.markRecordStored(index);
  paintRows(false);
}

QWidget* PagedGrid::cell(int row, int column) const { return cells_.at(row).at(column); }

QLineEdit* PagedGrid::lineCell(int row, int column) const { return qobject_cast<QLineEdit*>(cell(row, column)); }

QLabel* PagedGrid::band(int row) const { return bands_.at(row); }

void PagedGrid::fillPage() {
  const grid::GridConfig& config = state_.config();
  for (int row = 0; row < rows(); ++row) {
    // A record that could not be read takes no typing: nothing typed there could be saved.
    const bool readable = state_.rowReadable(row);
    for (int column = 0; column < config.columnCount(); ++column) {
      QWidget* cell = cells_[row][column];
      setTextOf(cell, state_.cellText(row, column));
      if (auto* edit = qobject_cast<QLineEdit*>(cell)) {
        const bool readOnly = config.columns[column].readOnly || !readable;
        if (edit->isReadOnly() != readOnly) edit->setReadOnly(readOnly);
      }
    }
  }
}

void PagedGrid::paintRows(bool atBuild) {
  const grid::GridConfig& config = state_.config();
  const std::vector<int>& columns = atBuild ? config.stripedAtBuild : config.stripedOnRepaint;
  for (int row = 0; row < rows(); ++row) {
    paintRow(row, columns, atBuild ? grid::PagedGridState::stripeColor(row) : state_.rowColor(row));
    // The save mark's reason shows over the row for as long as the record carries it.
    const QString status = state_.rowStatus(row);
    if (bands_[row]->toolTip() != status) {
      bands_[row]->setToolTip(status);
      for (QWidget* cell : cells_[row]) cell->setToolTip(status);
    }
  }
}

void PagedGrid::paintRow(int row, const std::vector<int>& columns, const QColor& color) {
  paint(bands_[row], color);
  for (int column : columns) paint(cells_[row][column], color);
}

void PagedGrid::onCellTextChanged(int row, int column, const QString& text) {
  if (busy_.isSet()) return;
  if (state_.setCellText(row, column, text)) emit cellEdited(row, column, text);
}

bool PagedGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    const auto it = places_.constFind(watched);
    if (it != places_.constEnd()) {
      const Place place = it.value();
      if (place.column < 0 || state_.config().columns[place.column].selectsOnClick) {
        selectRow(place.row);
        emit cellClicked(place.row, place.column);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ui
