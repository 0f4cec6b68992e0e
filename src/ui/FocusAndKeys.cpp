#include "ui/FocusAndKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

namespace ui {
namespace {

class KeyHook : public QObject {
 public:
  KeyHook(QWidget* control, std::function<bool(int)> handler) : QObject(control), handler_(std::move(handler)) {
    control->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    return handler_(static_cast<QKeyEvent*>(event)->key());
  }

 private:
  std::function<bool(int)> handler_;
};

}  // namespace

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

void onKeyDown(QWidget* control, std::function<bool(int key)> handler) { new KeyHook(control, std::move(handler)); }

void enterList(QListWidget* list) {
  list->setFocus(Qt::OtherFocusReason);
  list->setCurrentRow(0);
}

void onPick(QListWidget* list, std::function<void()> pick) {
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [pick] { pick(); });
  onKeyDown(list, [pick](int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    pick();
    return true;
  });
}

}  // namespace ui
