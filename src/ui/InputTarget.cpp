#include "ui/InputTarget.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextEdit>

namespace ui {
namespace {

// Makes its box the pad's target whenever the box takes the focus.
class FocusAnnouncer : public QObject {
 public:
  FocusAnnouncer(PadTarget& target, QWidget* box, text::InputKind kind)
      : QObject(box), target_(target), box_(box), kind_(kind) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == box_ && event->type() == QEvent::FocusIn) {
      target_.box = box_;
      target_.kind = kind_;
    }
    return false;
  }

 private:
  PadTarget& target_;
  QWidget* box_;
  text::InputKind kind_;
};

// A multi-line box's cursor, for both multi-line kinds.
QTextCursor cursorOf(QWidget* box) {
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) return plain->textCursor();
  if (auto* rich = qobject_cast<QTextEdit*>(box)) return rich->textCursor();
  return QTextCursor();
}

void setCursorOf(QWidget* box, const QTextCursor& cursor) {
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) plain->setTextCursor(cursor);
  if (auto* rich = qobject_cast<QTextEdit*>(box)) rich->setTextCursor(cursor);
}

void sendKey(QWidget* box, QEvent::Type type) {
  QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  QCoreApplication::sendEvent(box, &key);
}

}  // namespace

void declareInputTarget(PadTarget& target, QWidget* box, text::InputKind kind) {
  if (!box) return;
  box->installEventFilter(new FocusAnnouncer(target, box, kind));
}

InputTarget::InputTarget(QObject* box) : box_(qobject_cast<QWidget*>(box)) {}

bool InputTarget::canType() const {
  if (!box_ || !box_->isVisible() || !box_->isEnabled()) return false;
  if (auto* line = qobject_cast<QLineEdit*>(box_)) return !line->isReadOnly();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(box_)) return !plain->isReadOnly();
  if (auto* rich = qobject_cast<QTextEdit*>(box_)) return !rich->isReadOnly();
  return false;
}

void InputTarget::insertText(const QString& text) {
  if (!canType()) return;
  // As typed: a line box's length limit applies.
  if (auto* line = qobject_cast<QLineEdit*>(box_)) {
    line->insert(text);
    return;
  }
  QTextCursor cursor = cursorOf(box_);
  cursor.insertText(text);
  setCursorOf(box_, cursor);
}

bool InputTarget::deleteBeforeCaret() {
  if (!canType()) return false;
  // The caret is where a selection starts; the selection itself stays in the text.
  if (auto* line = qobject_cast<QLineEdit*>(box_)) {
    const int caret = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    if (caret == 0) return false;
    line->deselect();
    line->setCursorPosition(caret);
    line->backspace();
    return true;
  }
  QTextCursor cursor = cursorOf(box_);
  const int caret = cursor.selectionStart();
  if (caret == 0) return false;
  cursor.setPosition(caret);
  cursor.deletePreviousChar();
  setCursorOf(box_, cursor);
  return true;
}

void InputTarget::sendEnter() {
  if (!canType()) return;
  sendKey(box_, QEvent::KeyPress);
  if (box_) sendKey(box_, QEvent::KeyRelease);  // the press may have closed its window
}

void InputTarget::takeFocus() {
  if (!box_ || !box_->isVisible() || !box_->isEnabled()) return;
  QWidget* window = box_->window();
  window->raise();
  window->activateWindow();
  // Not a tab focus: a line box keeps its caret and does not select all its text.
  box_->setFocus(Qt::OtherFocusReason);
}

}  // namespace ui
