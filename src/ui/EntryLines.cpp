#include "ui/EntryLines.h"

#include "text/TextWrap.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace ui {
namespace {

// Whether a line of the block ends where the entry rule would have ended it earlier.
bool splitsAnEntry(const QTextBlock& block, const QString& ends) {
  const QTextLayout* layout = block.layout();
  const QString text = block.text();
  for (int i = 0; i + 1 < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    const qsizetype end = line.textStart() + line.textLength();
    if (text::entryStartsAt(text, end, ends)) continue;
    for (qsizetype at = end - 1; at > line.textStart(); --at)
      if (text::entryStartsAt(text, at, ends)) return true;
  }
  return false;
}

}  // namespace

void EntryLinesLayout::setEntryEnds(const QString& ends) {
  if (ends == ends_) return;
  ends_ = ends;
  // Every block is laid out afresh when next asked for.
  document()->markContentsDirty(0, document()->characterCount());
}

QRectF EntryLinesLayout::blockBoundingRect(const QTextBlock& block) const {
  QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);  // lays the block out when needed
  if (ends_.isEmpty() || !block.isValid() || !block.isVisible() || !splitsAnEntry(block, ends_)) return rect;

  // The plain layout's placing of the lines, with the entry rule's breaks.
  QTextLayout* layout = block.layout();
  const qreal margin = document()->documentMargin();
  // The width the plain layout gave its lines.
  const qreal width = layout->lineAt(0).width();
  qreal y = 0;
  layout->beginLayout();
  text::layOutLines(*layout, block.text(), width, ends_, [&](QTextLine& line) {
    line.setLeadingIncluded(true);
    line.setPosition(QPointF(margin, y));
    y += line.height();
    if (line.leading() < 0) y += std::ceil(line.leading());
  });
  layout->endLayout();

  const int lines = layout->lineCount();
  if (block.lineCount() != lines) {
    const_cast<QTextBlock&>(block).setLineCount(lines);
    emit const_cast<EntryLinesLayout*>(this)->documentSizeChanged(documentSize());
  }
  rect.setHeight(block.next().isValid() ? y : y + margin);
  return rect;
}

EntryLinesLayout* keepEntriesWhole(QPlainTextEdit* box) {
  auto* document = new QTextDocument(box);
  auto* layout = new EntryLinesLayout(document);
  document->setDocumentLayout(layout);
  document->setDefaultFont(box->font());
  box->setDocument(document);  // the box's own first document is deleted by it
  return layout;
}

}  // namespace ui
