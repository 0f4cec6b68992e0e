#include "text/TextWrap.h"

#include "text/Blank.h"

#include <QTextLayout>

namespace text {

QTextOption boxWrapOption() {
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

bool entryStartsAt(const QString& text, qsizetype position, const QString& entryEnds) {
  if (position <= 0 || position > text.size() || text[position - 1] != u' ') return false;
  qsizetype end = position - 1;
  while (end > 0 && text[end] == u' ') --end;
  return text[end] != u' ' && entryEnds.contains(text[end]);
}

void layOutLines(QTextLayout& layout, const QString& text, qreal width, const QString& entryEnds,
                 const std::function<void(QTextLine& line)>& place) {
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    if (width > 0) line.setLineWidth(width);
    const qsizetype start = line.textStart();
    const qsizetype end = start + line.textLength();
    if (!entryEnds.isEmpty() && end < text.size() && !entryStartsAt(text, end, entryEnds)) {
      // Back to the last entry that starts on the line; an entry wider than the line
      // breaks where the layout broke it.
      qsizetype at = end - 1;
      while (at > start && !entryStartsAt(text, at, entryEnds)) --at;
      // The line made as wide as its text up to there: the blanks before the entry may
      // stand past that width, the entry's first character may not.
      if (at > start) line.setLineWidth(line.cursorToX(static_cast<int>(at)) - line.cursorToX(static_cast<int>(start)));
    }
    place(line);
  }
}

QList<DisplayLine> displayLines(const QString& text, const QFont& font, const QTextOption& option, qreal width,
                                const QString& entryEnds) {
  QList<DisplayLine> lines;
  QTextOption wrapping = option;
  if (width <= 0) wrapping.setWrapMode(QTextOption::NoWrap);
  qsizetype start = 0;
  while (true) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    const qsizetype before = lines.size();
    if (end > start) {
      QTextLayout layout(text.mid(start, end - start), font);
      layout.setTextOption(wrapping);
      layout.beginLayout();
      layOutLines(layout, layout.text(), width, entryEnds,
                  [&](QTextLine& line) { lines.append({start + line.textStart(), line.textLength()}); });
      layout.endLayout();
    }
    if (lines.size() == before) lines.append({start, 0});  // an empty line still shows
    if (end >= text.size()) break;
    start = end + 1;
  }
  return lines;
}

QStringList nonBlankLines(const QString& text, const QList<DisplayLine>& lines) {
  QStringList result;
  for (const DisplayLine& line : lines) {
    const QString piece = text.mid(line.start, line.length);
    if (!trimBlanks(piece).isEmpty()) result.append(piece);
  }
  return result;
}

QStringList WrapTextToLines(const QString& source, const QFont& font, qreal width, const QString& entryEnds) {
  QString text = source;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return nonBlankLines(text, displayLines(text, font, boxWrapOption(), width, entryEnds));
}

}  // namespace text
