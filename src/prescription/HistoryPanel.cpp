#include "prescription/HistoryPanel.h"

#include "ui/ControlEvents.h"
#include "ui/ControlTable.h"
#include "ui/FocusAndKeys.h"
#include "ui/PickList.h"
#include "ui/SpacedText.h"

#include <QAbstractListModel>
#include <QFontMetrics>
#include <QStyle>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QSignalBlocker>

#include <algorithm>

namespace prescription {

// The list's rows over the history's rows: the texts of the rows painted, made when they
// are painted, and rows added as they are counted.
class HistoryRowsModel : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void show(std::shared_ptr<HistoryRows> rows, const QListView* view) {
    beginResetModel();
    rows_ = std::move(rows);
    shown_ = rows_->size();
    rowSize_ = widestOfTheFirstRows(view);
    endResetModel();
  }
  // Counts the rows on a step; false once all are counted.
  bool countOn() {
    const bool more = rows_->countOn();
    if (rows_->size() > shown_) {
      beginInsertRows(QModelIndex(), shown_, rows_->size() - 1);
      shown_ = rows_->size();
      endInsertRows();
    }
    return more;
  }
  bool complete() const { return rows_->complete(); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : shown_; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= shown_) return {};
    if (role == Qt::SizeHintRole) return rowSize_;
    if (role != Qt::DisplayRole) return {};
    return rows_->at(index.row()).text;
  }

 private:
  // Every row is as wide as the widest of the first rows, so the list scrolls sideways to
  // the end of a long row, as a list measuring each row does.
  QSize widestOfTheFirstRows(const QListView* view) const {
    const QFontMetrics metrics(view->font());
    int widest = 0;
    for (int r = 0; r < std::min(rows_->size(), kMeasuredRows); ++r)
      widest = std::max(widest, metrics.horizontalAdvance(rows_->at(r).text));
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return QSize(widest + 2 * margin, metrics.height());
  }
  static constexpr int kMeasuredRows = 1024;

  QSize rowSize_;
  std::shared_ptr<HistoryRows> rows_ = std::make_shared<HistoryRows>();
  int shown_ = 0;
};

namespace {

// The pop-up lies 60 twips right of and below the pointer.
constexpr int kPopupOffset = 4;  // px, 60 twips

}  // namespace

void HistoryPanel::build(QWidget* window, ui::ControlArray<QLabel>& captions, Handlers handlers) {
  handlers_ = std::move(handlers);
  Text2 = ui::makeCaptionedBox(captions, window,
                               {2, {120, 6690, 720, 180}, QStringLiteral("姓    名"), "Text2", {960, 6630, 1635, 315}});
  Text3 = ui::makeCaptionedBox(captions, window,
                               {0, {120, 7080, 720, 180}, QStringLiteral("日期范围"), "Text3", {960, 7020, 1635, 315}});
  Text4 = ui::make<QLineEdit>(window, "Text4", {960, 7410, 1635, 315});
  for (QLineEdit* box : {Text2, Text3, Text4}) box->setFocusPolicy(Qt::ClickFocus);
  const std::vector<QPushButton*> buttons = ui::makeButtons(window, {
      {"Command7", u"查   询", {2700, 6630, 915, 315}, [this] { handlers_.search(); }},
      {"Command2", u"今日患者", {2700, 7020, 915, 315}, [this] { handlers_.today(); }},
      {"Command5", u"<<", {120, 7425, 360, 280}, [this] { handlers_.dayBefore(); }},
      {"Command6", u">>", {510, 7425, 360, 280}, [this] { handlers_.dayAfter(); }},
      {"Command11", u"历史处方", {2700, 7410, 915, 315}, [this] { handlers_.patientHistory(); }},
  });
  Command2 = buttons[1];
  QObject::connect(Text2, &QLineEdit::textChanged, Text2, [this] { handlers_.searchTyped(Text2->text()); });
  ui::onKeyDown(Text2, [this](int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // Enter in the name search only moves on to 今日患者.
    Command2->setFocus();
    return true;
  });
  for (QLineEdit* box : {Text3, Text4})
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [this] { handlers_.rangeTyped({Text2->text(), Text3->text(), Text4->text()}); });

  List2 = ui::make<ui::PickList>(window, "List2", {60, 7800, 3615, 1680});
  rows_ = new HistoryRowsModel(List2);
  List2->setModel(rows_);
  counting_ = new QTimer(List2);
  counting_->setInterval(0);
  QObject::connect(counting_, &QTimer::timeout, List2, [this] {
    if (!rows_->countOn()) counting_->stop();
  });
  List2->setUniformItemSizes(true);
  List2->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ui::spaceListRows(List2);
  // Only the user's own move loads a record.
  List2->onPicked([this](int row) { handlers_.chosen(row); });
  ui::onEvent(List2->viewport(), [this](QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) Picture6->hide();
    if (event->type() == QEvent::MouseButtonRelease) List2_MouseUp(mouse->button(), mouse->position().toPoint());
    return false;
  });

  Picture6 = ui::makePanel(window, "Picture6", {780, 8580, 1065, 840}, Qt::white);
  // A border sets the pop-up off the list rows under it.
  Picture6->setFrameStyle(QFrame::Box | QFrame::Plain);
  Picture6->setLineWidth(1);
  const ui::Look centred = ui::Look().aligned(Qt::AlignCenter);
  const ui::LabelRow choices[] = {{0, {30, 120, 975, 225}, QStringLiteral("删除(D)"), centred},
                                  {1, {60, 480, 915, 225}, QStringLiteral("取消(E)"), centred}};
  ui::makeLabels(Label9, Picture6, choices);
  for (int i : {0, 1}) {
    Label9[i]->setMouseTracking(true);
    ui::onHover(Label9[i], [this, i] { Label9_MouseMove(i); });
    ui::onEvent(Label9[i], [this, i](QEvent* event) {
      if (event->type() == QEvent::MouseMove) Label9_MouseMove(i);
      return false;
    });
    ui::onClick(Label9[i], [this, i] { Label9_Click(i); });
  }
  Label9_MouseMove(-1);
  Picture6->hide();
}

void HistoryPanel::showWindow(const HistoryWindow& window) {
  // Typing into the name search is what widens the window; setting it is not. A box that
  // already holds its text keeps its caret and its undo steps.
  const QSignalBlocker block(Text2);
  if (Text2->text() != window.search) Text2->setText(window.search);
  if (Text3->text() != window.from) Text3->setText(window.from);
  if (Text4->text() != window.to) Text4->setText(window.to);
}

void HistoryPanel::showItems(std::shared_ptr<HistoryRows> rows) {
  Picture6->hide();
  rows_->show(std::move(rows), List2);
  if (rows_->complete())
    counting_->stop();
  else
    counting_->start();
}

void HistoryPanel::List2_MouseUp(Qt::MouseButton button, const QPoint& position) {
  if (button != Qt::RightButton || rows_->rowCount() == 0) return;
  const int left = List2->x() + position.x() + kPopupOffset;
  // Never below the list: the pop-up's bottom then lies on the list's bottom edge.
  const int lowest = List2->y() + List2->height() - Picture6->height();
  Picture6->move(left, std::min(List2->y() + position.y() + kPopupOffset, lowest));
  Label9_MouseMove(-1);
  Picture6->show();
  Picture6->raise();
}

void HistoryPanel::Label9_MouseMove(int index) {
  for (int i : {0, 1}) {
    const bool lit = i == index;
    ui::paint(Label9[i], lit ? QApplication::palette().color(QPalette::Highlight) : QColor(Qt::white));
    ui::setTextColour(Label9[i], lit ? QColor(Qt::white) : QColor(Qt::black));
  }
}

void HistoryPanel::Label9_Click(int index) {
  Picture6->hide();
  handlers_.popupChosen(static_cast<PopupChoice>(index));
}

}  // namespace prescription
