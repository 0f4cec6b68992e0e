// Where a text box breaks its lines: the displayed lines of a text in a font at a width,
// worked out with QTextLayout. The window kit reads its boxes through this, and the
// prints break the prescription body with it without a box on the screen.
#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <functional>

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

// Whether a line of entries (each ending in one of `entryEnds`, then blanks) may break at
// `position`: after an entry's end and blanks that follow it, so the next entry starts
// the new line whole.
bool entryStartsAt(const QString& text, qsizetype position, const QString& entryEnds);

// Lays out the lines of `layout`, whose `text` (a block's layout does not hand it out),
// font and option are set, `width` pixels wide, between its beginLayout() and
// endLayout(); `place` positions each line. With
// `entryEnds` a line breaks only where an entry starts, and inside an entry only when the
// entry alone is wider than the line; without them, where the layout's option says.
void layOutLines(QTextLayout& layout, const QString& text, qreal width, const QString& entryEnds,
                 const std::function<void(QTextLine& line)>& place);

// The displayed lines of a text whose lines end with "\n", in `font` at `width` pixels
// (0: no wrapping), breaking between the entries that end in `entryEnds` when given. An
// empty line still counts as one displayed line.
QList<DisplayLine> displayLines(const QString& text, const QFont& font, const QTextOption& option, qreal width,
                                const QString& entryEnds = {});

// The displayed lines of `text` in `font` at `width` pixels (width 0: no wrapping), as a
// text box of that font and width shows them: one item per displayed line, untrimmed,
// leaving out lines that are empty once ASCII blanks are trimmed. A "\n" or "\r\n" ends
// a line. With `entryEnds` the lines break between entries, as displayLines says.
QStringList WrapTextToLines(const QString& text, const QFont& font, qreal width, const QString& entryEnds = {});

// The non-blank pieces of `text` at the given displayed lines, untrimmed.
QStringList nonBlankLines(const QString& text, const QList<DisplayLine>& lines);

}  // namespace text
