#include "prescription/HistoryPanel.h"

#include "ui/ControlEvents.h"
#include "ui/ControlTable.h"
#include "ui/FocusAndKeys.h"

#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace prescription {
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

  List2 = ui::make<QListWidget>(window, "List2", {60, 7800, 3615, 1680});
  QObject::connect(List2, &QListWidget::currentItemChanged, List2, [this] { List2_Click(); });
  ui::onEvent(List2->viewport(), [this](QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) Picture6->hide();
    if (event->type() == QEvent::MouseButtonRelease) List2_MouseUp(mouse->button(), mouse->position().toPoint());
    return false;
  });

  Picture6 = ui::makePanel(window, "Picture6", {780, 8580, 1065, 840}, Qt::white);
  const ui::Look centred = ui::Look().aligned(Qt::AlignCenter);
  const ui::LabelRow choices[] = {{0, {30, 120, 975, 225}, QStringLiteral("删除(D)"), centred},
                                  {1, {60, 480, 915, 225}, QStringLiteral("取消(E)"), centred}};
  ui::ControlArray<QLabel> Label9{QStringLiteral("Label9")};
  ui::makeLabels(Label9, Picture6, choices);
  for (int i : {0, 1}) ui::onClick(Label9[i], [this, i] { Label9_Click(i); });
  Picture6->hide();
}

void HistoryPanel::showWindow(const HistoryWindow& window) {
  // Typing into the name search is what widens the window; setting it is not.
  const QSignalBlocker block(Text2);
  Text2->setText(window.search);
  Text3->setText(window.from);
  Text4->setText(window.to);
}

void HistoryPanel::showItems(const std::vector<HistoryItem>& items) {
  List2->clear();
  for (const HistoryItem& item : items) List2->addItem(item.text);
}

void HistoryPanel::List2_Click() {
  QListWidgetItem* item = List2->currentItem();
  if (!item) return;
  handlers_.chosen(List2->row(item));
}

void HistoryPanel::List2_MouseUp(Qt::MouseButton button, const QPoint& position) {
  if (button != Qt::RightButton || List2->count() == 0) return;
  const int left = List2->x() + position.x() + kPopupOffset;
  // Never below the list: the pop-up's bottom then lies on the list's bottom edge.
  const int lowest = List2->y() + List2->height() - Picture6->height();
  Picture6->move(left, std::min(List2->y() + position.y() + kPopupOffset, lowest));
  Picture6->show();
  Picture6->raise();
}

void HistoryPanel::Label9_Click(int index) {
  Picture6->hide();
  handlers_.popupChosen(static_cast<PopupChoice>(index));
}

}  // namespace prescription
