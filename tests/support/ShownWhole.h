// Rendering checks for narrow cells: whether a cell shows its whole text or at least its
// beginning, and the program's own fonts for the windows a test builds.
#pragma once

#include "ui/Fonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
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
// caret, less what its text margins give back, a label its contents rectangle. A line edit that had to scroll would also draw
// differently with the caret at either end, so one without the focus (whose caret is not
// drawn) is drawn both ways as well.
inline ::testing::AssertionResult showsWhole(QWidget* cell) {
  QString text;
  int room = 0;
  if (auto* box = qobject_cast<QLineEdit*>(cell)) {
    if (box->hasFrame()) return ::testing::AssertionFailure() << "a framed box: no rule for its room";
    text = box->text();
    room = box->width() - 2 * 2 - 1 - box->textMargins().left() - box->textMargins().right();
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

// The first character of a label's text is drawn where a label showing only that
// character from its left edge draws it: the same pixels hold ink, whatever lies behind.
inline ::testing::AssertionResult drawnFromItsBeginning(QLabel* label) {
  QLabel reference;
  reference.setFont(label->font());
  reference.resize(label->size());
  reference.setContentsMargins(label->contentsMargins());
  reference.setAlignment((label->alignment() & Qt::AlignVertical_Mask) | Qt::AlignLeft);
  reference.setText(label->text().left(1));
  const auto ink = [&](QWidget* drawn) {
    const QImage image = drawn->grab().toImage();
    const int width = static_cast<int>(QFontMetricsF(label->font()).horizontalAdvance(label->text().left(1)));
    QList<QPoint> dark;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < width && x < image.width(); ++x)
        if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 128) dark << QPoint(x, y);
    return dark;
  };
  const QList<QPoint> expected = ink(&reference);
  if (!expected.isEmpty() && ink(label) == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << label->text().toStdString() << "\" does not start at its left edge";
}

// Whether a label too narrow for its text ends at a whole character: no ink right of the
// longest beginning of its text that fits the label (half a character can read as another).
inline ::testing::AssertionResult endsAtAWholeCharacter(QLabel* label) {
  const QFontMetrics metrics(label->font());
  const QString text = label->text();
  const int left = label->contentsRect().left();
  int whole = 0;
  for (qsizetype length = 1; length <= text.size(); ++length) {
    const int width = metrics.horizontalAdvance(text.left(length));
    if (left + width > label->width()) break;
    whole = width;
  }
  const QImage image = label->grab().toImage();
  for (int x = left + whole + 1; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 128)
        return ::testing::AssertionFailure() << "\"" << text.toStdString() << "\" draws part of a character at " << x
                                             << "," << y;
  return ::testing::AssertionSuccess();
}

}  // namespace testing_support
