// A plain-text box that holds one line, for boxes that stand in one array with multi-line
// ones: Enter and Tab go on to the next box of the tab order (Shift+Tab goes back), and a
// line break that is pasted or dropped in becomes a blank. Like every box of the kit it
// drops the characters no box takes (ui/TypedText.h).
#pragma once

#include "ui/TypedText.h"

#include <QString>

class QKeyEvent;
class QMimeData;

namespace ui {

// The text with each line break (CR LF, CR, LF and the line and paragraph separators) as
// one blank.
QString asOneLine(const QString& text);

class OneLineTextBox : public PlainTextBox {
  Q_OBJECT

 public:
  explicit OneLineTextBox(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace ui
