// What typing, pasting and dropping may put into a box: control characters other than
// tab, carriage return and line feed, and U+FFFD (the mark of bytes that could not be
// decoded), are dropped there, so they never reach a stored name. Text the program sets
// (from the data files) is never touched.
#pragma once

#include <QPlainTextEdit>
#include <QString>

class QLineEdit;

namespace ui {

// `text` without the characters a box does not take; `caret`, when given, moves left by
// those dropped before it.
QString withoutUntypableCharacters(const QString& text, int* caret = nullptr);

// Makes the line box drop those characters from every edit of the user's. A box that
// gets a typing limit later keeps this (the limit's check drops them too).
void dropUntypableCharacters(QLineEdit* box);

// A multi-line box that drops them from what is typed, pasted, dropped or committed by
// an input method.
class PlainTextBox : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui
