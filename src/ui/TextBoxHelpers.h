// Text-box helpers: the lines a multi-line box displays, the caret's column counted in
// code-page-936 bytes, and the lines a text breaks into at a box's width.
//
// The boxes are QPlainTextEdit, QTextEdit (read as plain text) or QLineEdit (one line).
// Lines are the displayed lines: a long line that the box wraps counts as several. They
// are worked out with QTextLayout from the box's font and width, so a hidden box gives
// the same lines as when it is shown; give such a box its designed size first.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// The width in pixels at which the box wraps its lines; 0 when it does not wrap.
qreal TextBoxWrapWidth(const QWidget* box);

// The number of displayed lines (1 for an empty box; a final line break adds an empty
// last line).
int TextBoxLineCount(const QWidget* box);

// The text of displayed line `line` (from 0) without its break; "" past the last line.
QString GetTextBoxLine(const QWidget* box, int line);

// The column of the caret (the end of the selection) within its displayed line, from 1,
// each double-byte character counting 2.
int CaretColumn(const QWidget* box);

// The displayed lines of `text` in `font` at `width` pixels (width 0: no wrapping), as a
// text box of that font and width shows them: one item per displayed line, untrimmed,
// leaving out lines that are empty once ASCII blanks are trimmed. A "\n" or "\r\n" ends
// a line.
QStringList WrapTextToLines(const QString& text, const QFont& font, qreal width);

// The same for a box's own text, font and wrap width.
QStringList WrapTextToLines(const QWidget* source);

}  // namespace ui
