// Numbers in narrow cells: a price, an amount or a quantity must read whole, or "240.000"
// in a cell made for "2.400" loses its first digit. Such a cell keeps its design font
// while the text fits and is drawn in a narrower, then a smaller, face of it when it does
// not; its place and size stay as designed.
#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

// The room a cell (a QLineEdit or QLabel) leaves for its text, in pixels: a wider text
// makes a line edit scroll and a label clip.
int textRoom(const QWidget* cell);

// The font in which `text` fits `room` pixels: `design` itself when it fits there, else
// the same face narrowed and, when narrowing is not enough, made smaller.
QFont fittingFont(const QFont& design, const QString& text, int room);

// Keeps the cell's text whole from now on. Its present font is its design font. A line
// edit refits on every change of its text, typed or set; a label refits in
// setWholeText, which its writers use instead of setText.
void keepTextWhole(QLineEdit* box);
void keepTextWhole(QLabel* label);
// Sets a label's text and, when it keeps its text whole, refits its font.
void setWholeText(QLabel* label, const QString& text);
// Refits a cell that keeps its text whole to the text it now holds; others are left alone.
void fitWholeText(QWidget* cell);

}  // namespace ui
