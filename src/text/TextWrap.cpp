#include "text/TextWrap.h"

#include "text/Blank.h"

#include <QTextLayout>

namespace text {

QTextOption boxWrapOption() {
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

QList<DisplayLine> displayLines(const QString& text, const QFont& font, const QTextOption& option, qreal width) {
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
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        if (width > 0) line.setLineWidth(width);
        lines.append({start + line.textStart(), line.textLength()});
      }
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

QStringList WrapTextToLines(const QString& source, const QFont& font, qreal width) {
  QString text = source;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return nonBlankLines(text, displayLines(text, font, boxWrapOption(), width));
}

}  // namespace text
