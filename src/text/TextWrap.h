// Where a text box breaks its lines: the displayed lines of a text in a font at a width,
// worked out with QTextLayout. The window kit reads its boxes through this, and the
// prints break the prescription body with it without a box on the screen.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextOption>

namespace text {

// One displayed line: where it starts in the text and how many characters it holds,
// without its line break.
struct DisplayLine {
  qsizetype start = 0;
  qsizetype length = 0;
};

// The wrapping a multi-line box does by default: at word boundaries, inside a word when
// it is wider than the line.
QTextOption boxWrapOption();

// The displayed lines of a text whose lines end with "\n", in `font` at `width` pixels
// (0: no wrapping). An empty line still counts as one displayed line.
QList<DisplayLine> displayLines(const QString& text, const QFont& font, const QTextOption& option, qreal width);

// The displayed lines of `text` in `font` at `width` pixels (width 0: no wrapping), as a
// text box of that font and width shows them: one item per displayed line, untrimmed,
// leaving out lines that are empty once ASCII blanks are trimmed. A "\n" or "\r\n" ends
// a line.
QStringList WrapTextToLines(const QString& text, const QFont& font, qreal width);

// The non-blank pieces of `text` at the given displayed lines, untrimmed.
QStringList nonBlankLines(const QString& text, const QList<DisplayLine>& lines);

}  // namespace text
