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

class PressHook : public QObject {
 public:
  PressHook(QWidget* control, std::function<void()> down, std::function<void()> up)
      : QObject(control), down_(std::move(down)), up_(std::move(up)) {
    control->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
        down_();
        return true;
      case QEvent::MouseButtonRelease:
        up_();
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }

 private:
  std::function<void()> down_;
  std::function<void()> up_;
};

class AnyEventHook : public QObject {
 public:
  AnyEventHook(QWidget* control, std::function<bool(QEvent*)> handler)
      : QObject(control), handler_(std::move(handler)) {
    control->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override { return handler_(event); }

 private:
  std::function<bool(QEvent*)> handler_;
};

}  // namespace

void onEvent(QWidget* control, std::function<bool(QEvent* event)> handler) {
  new AnyEventHook(control, std::move(handler));
}

void onPressAndRelease(QWidget* control, std::function<void()> down, std::function<void()> up) {
  new PressHook(control, std::move(down), std::move(up));
}

void onClick(QWidget* control, std::function<void()> handler) {
  new EventHook(control, QEvent::MouseButtonRelease, std::move(handler));
}

void onHover(QWidget* control, std::function<void()> handler) {
  new EventHook(control, QEvent::Enter, std::move(handler));
}

}  // namespace ui
