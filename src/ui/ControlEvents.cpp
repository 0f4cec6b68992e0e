#include "ui/ControlEvents.h"

#include <QEvent>
#include <QMouseEvent>

namespace ui {
namespace {

// Watches one control for one kind of event; lives as long as the control.
class EventHook : public QObject {
 public:
  EventHook(QWidget* control, QEvent::Type type, std::function<void()> handler)
      : QObject(control), type_(type), handler_(std::move(handler)) {
    control->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != type_) return false;
    if (type_ == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const auto* control = static_cast<QWidget*>(watched);
      if (mouse->button() != Qt::LeftButton || !control->rect().contains(mouse->position().toPoint())) return false;
    }
    handler_();
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<void()> handler_;
};

}  // namespace

void onClick(QWidget* control, std::function<void()> handler) {
  new EventHook(control, QEvent::MouseButtonRelease, std::move(handler));
}

void onHover(QWidget* control, std::function<void()> handler) {
  new EventHook(control, QEvent::Enter, std::move(handler));
}

}  // namespace ui
