#include "ui/ControlEvents.h"

#include <QEvent>
#include <QMouseEvent>

namespace ui {
namespace {

// Watches one control's events before the control has them; lives as long as the control.
class EventHook : public QObject {
 public:
  EventHook(QWidget* control, std::function<bool(QEvent*)> handler)
      : QObject(control), handler_(std::move(handler)) {
    control->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

 private:
  std::function<bool(QEvent*)> handler_;
};

}  // namespace

void onEvent(QWidget* control, std::function<bool(QEvent* event)> handler) {
  new EventHook(control, std::move(handler));
}

void onPressAndRelease(QWidget* control, std::function<void()> down, std::function<void()> up) {
  onEvent(control, [down = std::move(down), up = std::move(up)](QEvent* event) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        down();
        return true;
      case QEvent::MouseButtonRelease:
        up();
        return true;
      default:
        return false;
    }
  });
}

void onClick(QWidget* control, std::function<void()> handler) {
  // A left-button release over the control, as a click is.
  onEvent(control, [control, handler = std::move(handler)](QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && control->rect().contains(mouse->position().toPoint())) handler();
    return false;
  });
}

void onHover(QWidget* control, std::function<void()> handler) {
  onEvent(control, [handler = std::move(handler)](QEvent* event) {
    if (event->type() == QEvent::Enter) handler();
    return false;
  });
}

}  // namespace ui
