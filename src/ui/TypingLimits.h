// Limits on what may be typed into a one-line box. They hold back typing and pasting
// only: text that the program sets is never cut.
#pragma once

#include <QString>

class QLineEdit;

namespace ui {

// No more than `characters` characters may be typed; a longer text set by the program
// may still be shortened.
void limitTyping(QLineEdit* box, int characters);

// The characters of `refused` cannot be typed or pasted into the box.
void refuseTyping(QLineEdit* box, const QString& refused);

}  // namespace ui
