// The one-line plain-text box.
#include "ui/OneLineTextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>

namespace ui {

QString asOneLine(const QString& text) {
  static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
  QString line = text;
  line.replace(lineBreak, QStringLiteral(" "));
  return line;
}

OneLineTextBox::OneLineTextBox(QWidget* parent) : PlainTextBox(parent) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

void OneLineTextBox::keyPressEvent(QKeyEvent* event) {
  // Enter, with or without Shift or Ctrl, would start a new line; it moves on instead.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNextPrevChild(true);
    event->accept();
    return;
  }
  PlainTextBox::keyPressEvent(event);
}

void OneLineTextBox::insertFromMimeData(const QMimeData* source) {
  if (!source || !source->hasText()) return;
  insertPlainText(withoutUntypableCharacters(asOneLine(source->text())));
  ensureCursorVisible();
}

}  // namespace ui
