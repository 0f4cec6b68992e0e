#include "ui/FocusAndKeys.h"

#include "ui/ControlEvents.h"

#include <QApplication>
#include <QKeyEvent>
#include <QAbstractItemView>

namespace ui {

void onGotFocus(QWidget* control, std::function<void()> handler) {
  // The application tells of a new focus after the control has had its focus-in event: a
  // line box selects its whole text there when it is reached by the Tab key.
  auto* hook = new QObject(control);
  QObject::connect(qApp, &QApplication::focusChanged, hook, [control, handler = std::move(handler)](QWidget*, QWidget* now) {
    if (now == control) handler();
  });
}

void setTabChain(const std::vector<QWidget*>& controls) {
  for (size_t i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void onKeyDown(QWidget* control, std::function<bool(int key)> handler) {
  onEvent(control, [handler = std::move(handler)](QEvent* event) {
    return event->type() == QEvent::KeyPress && handler(static_cast<QKeyEvent*>(event)->key());
  });
}

void enterList(QAbstractItemView* list) {
  list->setFocus(Qt::OtherFocusReason);
  list->setCurrentIndex(list->model()->index(0, 0));
}

void onPick(QAbstractItemView* list, std::function<void()> pick) {
  QObject::connect(list, &QAbstractItemView::doubleClicked, list, [pick] { pick(); });
  onKeyDown(list, [pick](int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    pick();
    return true;
  });
}

}  // namespace ui
