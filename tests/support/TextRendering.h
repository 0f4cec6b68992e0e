// Reading text lines off the screen: the program's own window font for the length of a
// test, and the pixel rows that hold ink in a drawn widget, so that a test can tell
// whether two lines of text touch.
#pragma once

#include "ui/Fonts.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPair>
#include <QRect>
#include <QWidget>

namespace testing_support {

// The program's window font, "宋体" 9 points, while this lives; lists take it too, as
// they do on the desktop (the offscreen platform gives item views a font of their own).
// Made before the first window, as the program sets it, so that every window takes it.
class ProgramFont {
 public:
  ProgramFont() : before_(QApplication::font()) {
    ui::installFontSubstitutions();
    const QFont font = ui::designFont(ui::kSongTi, 9);
    for (const char* kind : kLists) listsBefore_.append(QApplication::font(kind));
    QApplication::setFont(font);
    for (const char* kind : kLists) QApplication::setFont(font, kind);
  }
  ~ProgramFont() {
    QApplication::setFont(before_);
    for (int i = 0; i < listsBefore_.size(); ++i) QApplication::setFont(listsBefore_[i], kLists[i]);
  }
  ProgramFont(const ProgramFont&) = delete;
  ProgramFont& operator=(const ProgramFont&) = delete;

 private:
  static constexpr const char* kLists[] = {"QAbstractItemView", "QListView"};
  QFont before_;
  QList<QFont> listsBefore_;
};

// The runs of pixel rows inside `area` of the widget as drawn now that hold a dark pixel
// (text), top to bottom, as [first, last] row pairs in widget coordinates.
inline QList<QPair<int, int>> inkRows(QWidget* widget, const QRect& area) {
  const QImage image = widget->grab().toImage();
  const QRect within = area & image.rect();
  QList<QPair<int, int>> runs;
  for (int y = within.top(); y <= within.bottom(); ++y) {
    bool ink = false;
    for (int x = within.left(); x <= within.right() && !ink; ++x) ink = qGray(image.pixel(x, y)) < 128;
    if (!ink) continue;
    if (!runs.isEmpty() && runs.last().second == y - 1)
      runs.last().second = y;
    else
      runs.append({y, y});
  }
  return runs;
}

// The smallest number of blank pixel rows between two runs; -1 with fewer than two runs.
inline int smallestGap(const QList<QPair<int, int>>& runs) {
  int smallest = -1;
  for (int i = 1; i < runs.size(); ++i) {
    const int gap = runs[i].first - runs[i - 1].second - 1;
    if (smallest < 0 || gap < smallest) smallest = gap;
  }
  return smallest;
}

}  // namespace testing_support
