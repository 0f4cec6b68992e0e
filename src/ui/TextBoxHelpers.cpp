#include "ui/TextBoxHelpers.h"

#include "text/Gbk.h"
#include "text/TextWrap.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

namespace ui {
namespace {

using Line = text::DisplayLine;

// What a box shows, as the layout needs it.
struct BoxText {
  QString text;
  QFont font;
  QTextOption option{Qt::AlignLeft};
  qreal width = 0;  // 0: no wrapping
  qsizetype selectionEnd = 0;
};

// The width of a scroll area's viewport: measured when the box is shown, worked out
// from its frame when it is hidden (a hidden widget's viewport is laid out only when
// it is first shown).
qreal viewportWidth(const QAbstractScrollArea* area) {
  if (area->isVisible()) return area->viewport()->width();
  return area->maximumViewportSize().width();  // less the frame and an always-shown scroll bar
}

BoxText boxText(const QWidget* box) {
  BoxText b;
  if (const auto* plain = qobject_cast<const QPlainTextEdit*>(box)) {
    const QTextDocument* doc = plain->document();
    b.text = plain->toPlainText();
    b.font = doc->defaultFont();
    b.option = doc->defaultTextOption();
    if (plain->lineWrapMode() == QPlainTextEdit::WidgetWidth)
      b.width = std::max<qreal>(1, viewportWidth(plain) - 2 * doc->documentMargin());
    b.selectionEnd = plain->textCursor().selectionEnd();
  } else if (const auto* rich = qobject_cast<const QTextEdit*>(box)) {
    const QTextDocument* doc = rich->document();
    b.text = rich->toPlainText();
    b.font = doc->defaultFont();
    b.option = doc->defaultTextOption();
    switch (rich->lineWrapMode()) {
      case QTextEdit::NoWrap:
        break;
      case QTextEdit::WidgetWidth:
        b.width = viewportWidth(rich);
        break;
      case QTextEdit::FixedPixelWidth:
        b.width = rich->lineWrapColumnOrWidth();
        break;
      case QTextEdit::FixedColumnWidth:
        b.width = QFontMetricsF(b.font).averageCharWidth() * rich->lineWrapColumnOrWidth() + 2 * doc->documentMargin();
        break;
    }
    if (b.width > 0) b.width = std::max<qreal>(1, b.width - 2 * doc->documentMargin());
    b.selectionEnd = rich->textCursor().selectionEnd();
  } else if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
    b.text = line->text();
    b.font = line->font();
    b.selectionEnd = line->hasSelectedText() ? line->selectionEnd() : line->cursorPosition();
  } else if (box) {
    b.font = box->font();
  }
  return b;
}

QList<Line> boxLines(const BoxText& b) { return text::displayLines(b.text, b.font, b.option, b.width); }

}  // namespace

qreal TextBoxWrapWidth(const QWidget* box) { return boxText(box).width; }

int TextBoxLineCount(const QWidget* box) { return static_cast<int>(boxLines(boxText(box)).size()); }

QString GetTextBoxLine(const QWidget* box, int line) {
  const BoxText b = boxText(box);
  const QList<Line> lines = boxLines(b);
  if (line < 0 || line >= lines.size()) return QString();
  return b.text.mid(lines[line].start, lines[line].length);
}

int CaretColumn(const QWidget* box) {
  const BoxText b = boxText(box);
  const QList<Line> lines = boxLines(b);
  // The caret's line is the last one starting at or before it: a caret at a wrap point
  // stands at the start of the next line, as the box shows it.
  qsizetype start = 0;
  for (const Line& line : lines) {
    if (line.start > b.selectionEnd) break;
    start = line.start;
  }
  return text::displayWidth(b.text.mid(start, b.selectionEnd - start)) + 1;
}

QStringList WrapTextToLines(const QString& source, const QFont& font, qreal width) {
  return text::WrapTextToLines(source, font, width);
}

QStringList WrapTextToLines(const QWidget* source) {
  const BoxText b = boxText(source);
  return text::nonBlankLines(b.text, boxLines(b));
}

}  // namespace ui
