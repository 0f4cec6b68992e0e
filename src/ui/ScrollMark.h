// A mark that a box without a scroll bar holds more text than it shows: a narrow bar drawn
// over the box's right edge, only while the text is longer than the box, its darker part
// showing which part of the text is in view. It takes no room from the text (the box
// wraps and prints at the same width) and no mouse; the wheel and the keys scroll the box.
#pragma once

class QAbstractScrollArea;
class QWidget;

namespace ui {

// Adds the mark to `box`; it is named after the box ("R1Scroll").
QWidget* markHiddenText(QAbstractScrollArea* box);

}  // namespace ui
