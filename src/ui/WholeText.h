// Texts in narrow cells: a price, an amount or a quantity must read whole, or "240.000"
// in a cell made for "2.400" loses its first digit. Such a cell keeps its design font
// while the text fits and is drawn in a smaller size of that face when it does not, then
// in a narrower one, never so narrow that 3, 6, 8 and 9 run together; its place and
// size stay as designed. A centred or right-aligned text that is still too wide for its
// cell is drawn from its beginning, so that a long name never reads as another.
#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

// The smallest size, in pixels, to which a number is made smaller before it is narrowed:
// below it the digits of the window font run together even at their full width.
inline constexpr int kSmallestNumberSize = 10;
// The narrowest a digit is drawn, in pixels: at this width the window font still draws
// 3, 6, 8 and 9 apart at 100 %; narrower, "38888" reads as "88888".
inline constexpr double kNarrowestDigit = 4.5;

// The room a cell (a QLineEdit or QLabel) leaves for its text, in pixels: a wider text
// makes a line edit scroll and a label clip.
int textRoom(const QWidget* cell);

// The font in which `text` fits `room` pixels: `design` itself when it fits there, else
// the same face made smaller (down to kSmallestNumberSize), else the design size
// narrowed (down to digits kNarrowestDigit wide). A text that fits none of them gets the
// narrowest.
QFont fittingFont(const QFont& design, const QString& text, int room);

// Keeps the cell's text whole from now on. Its present font is its design font. A line
// edit refits on every change of its text, typed or set; a label refits in
// setWholeText, which its writers use instead of setText.
void keepTextWhole(QLineEdit* box);
void keepTextWhole(QLabel* label);
// Keeps the beginning of a label's text in sight: while the text is wider than the label,
// it is drawn from the label's left edge whatever the label's alignment, up to its last
// whole character; a text that fits keeps the alignment. A label that keeps its text
// whole does so as well.
void keepTextBeginning(QLabel* label);
// Sets a label's text and, when it keeps its text whole or its beginning, refits it.
void setWholeText(QLabel* label, const QString& text);
// Refits a cell that keeps its text whole or its beginning to the text it now holds;
// others are left alone.
void fitWholeText(QWidget* cell);

}  // namespace ui
