// Limits on what may be typed into a one-line box. They hold back typing, pasting and the
// stroke pad only: text that the program sets is never cut. A limited box still drops
// the characters no box takes (ui/TypedText.h).
#pragma once

#include <QString>

class QLineEdit;

namespace ui {

// No more than `bytes` code-page-936 bytes may be typed (a Chinese character counts 2,
// any other character 1): what an edit inserts is cut, by whole characters, to what
// still fits. A longer text set by the program stays whole and may still be shortened.
void limitTyping(QLineEdit* box, int bytes);

// The characters of `refused` cannot be typed or pasted into the box.
void refuseTyping(QLineEdit* box, const QString& refused);

}  // namespace ui
