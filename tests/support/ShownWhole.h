// Rendering checks for narrow cells: whether a cell shows its whole text, and the
// program's own fonts for the windows a test builds.
#pragma once

#include "ui/Fonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace testing_support {

// The fonts the program runs with ("宋体" 9 points for every window), for as long as the
// object lives: the widths of the cells are designed for them.
class ProgramFonts {
 public:
  ProgramFonts() : before_(QApplication::font()) {
    ui::installFontSubstitutions();
    QApplication::setFont(ui::designFont(ui::kSongTi, 9));
  }
  ~ProgramFonts() { QApplication::setFont(before_); }
  ProgramFonts(const ProgramFonts&) = delete;
  ProgramFonts& operator=(const ProgramFonts&) = delete;

 private:
  QFont before_;
};

// A cell shows its text whole when the text's advance in the cell's font is within the
// room the cell gives it: a frameless line edit keeps 2 pixels a side and one for the
// caret, a label its contents rectangle. A line edit that had to scroll would also draw
// differently with the caret at either end, so one without the focus (whose caret is not
// drawn) is drawn both ways as well.
inline ::testing::AssertionResult showsWhole(QWidget* cell) {
  QString text;
  int room = 0;
  if (auto* box = qobject_cast<QLineEdit*>(cell)) {
    if (box->hasFrame()) return ::testing::AssertionFailure() << "a framed box: no rule for its room";
    text = box->text();
    room = box->width() - 2 * 2 - 1;
    if (!box->hasFocus()) {
      const int caret = box->cursorPosition();
      box->setCursorPosition(0);
      const QImage atStart = box->grab().toImage();
      box->setCursorPosition(static_cast<int>(text.size()));
      const QImage atEnd = box->grab().toImage();
      box->setCursorPosition(caret);
      if (atStart != atEnd)
        return ::testing::AssertionFailure() << cell->objectName().toStdString() << " scrolls to show \""
                                             << text.toStdString() << "\"";
    }
  } else if (auto* label = qobject_cast<QLabel*>(cell)) {
    text = label->text();
    room = label->contentsRect().width();
  } else {
    return ::testing::AssertionFailure() << "neither a box nor a label";
  }
  const int advance = QFontMetrics(cell->font()).horizontalAdvance(text);
  if (advance > room)
    return ::testing::AssertionFailure() << cell->objectName().toStdString() << ": \"" << text.toStdString()
                                         << "\" takes " << advance << " px of " << room;
  return ::testing::AssertionSuccess();
}

}  // namespace testing_support
