#include "prescription/service/HerbalLayout.h"

#include "text/Blank.h"
#include "text/Columns.h"
#include "text/Gbk.h"
#include "text/Numbers.h"

namespace prescription {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kBlankLine = QStringLiteral("\r\n\r\n");

// Cells start at columns 1, 14, 27 and 40; a cell that would start further right goes to
// the next row.
constexpr int kLastStartColumn = 48;

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

HerbalLayout herbalLayout(const QString& text) {
  HerbalLayout layout;
  qsizetype start = 0;
  bool ended = false;  // an entry was ended, so the tail starts after a unit or "$"
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (!isHerbUnit(c) && c != u'$') continue;
    const qsizetype end = c == u'$' ? i : i + 1;
    QString entry = text::trimBlanks(text.mid(start, end - start));
    entry.remove(kLineBreak);
    // Two ends in a row ("g$", "$$") hold no herb; such a piece is no entry.
    if (!entry.isEmpty()) layout.entries.append(entry);
    start = i + 1;
    ended = true;
  }
  layout.tail = text.mid(start);
  if (ended) {
    qsizetype blanks = 0;
    while (blanks < layout.tail.size() && layout.tail.at(blanks) == u' ') ++blanks;
    layout.tail.remove(0, blanks);
  }

  if (layout.entries.isEmpty()) {
    layout.text = text;  // nothing to lay out: the text stays as it is
    return layout;
  }

  QString cells;
  int lineWidth = 0;  // display columns of the current row so far
  double weight = 0;
  for (const QString& entry : layout.entries) {
    const QString cell = text::PadRight13(entry);
    if (lineWidth + 1 > kLastStartColumn) {
      cells += kBlankLine;
      lineWidth = 0;
    }
    cells += cell;
    lineWidth += text::displayWidth(cell);
    weight += text::leadingNumber(firstNumberIn(entry));
  }
  layout.summary = QStringLiteral("中药共 %1 味  重量：%2g").arg(layout.entries.size()).arg(text::plainNumber(weight));
  layout.caret = static_cast<int>(cells.size());
  layout.text = cells + layout.tail;
  return layout;
}

QString firstNumberIn(const QString& s) {
  for (qsizetype i = 0; i < s.size(); ++i) {
    const QChar c = s.at(i);
    if (c == u'.' || isAsciiDigit(c)) return text::plainNumber(text::leadingNumber(s.mid(i)));
  }
  return QString();
}

QString withoutNumbers(const QString& s) {
  QString out;
  out.reserve(s.size());
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (!isAsciiDigit(s.at(i))) {
      out += s.at(i);
      continue;
    }
    while (i + 1 < s.size() && s.at(i + 1) == u'.') ++i;
  }
  return out;
}

}  // namespace prescription
