// Spaced list rows and spaced lines in plain-text boxes.
#include "ui/SpacedText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

namespace ui {

QSize SpacedRowsDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(QFontMetrics(option.font).lineSpacing() + kLineGap);
  return size;
}

void spaceListRows(QAbstractItemView* list) { list->setItemDelegate(new SpacedRowsDelegate(list)); }

void spaceListRows(QComboBox* box) { box->setItemDelegate(new SpacedRowsDelegate(box)); }

QRectF SpacedLinesLayout::blockBoundingRect(const QTextBlock& block) const {
  QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);  // lays the block out when needed
  QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
  if (!layout || layout->lineCount() == 0 || !block.isVisible()) return rect;
  qreal y = layout->lineAt(0).y();
  for (int i = 0; i < layout->lineCount(); ++i) {
    QTextLine line = layout->lineAt(i);
    if (line.y() != y) line.setPosition(QPointF(line.x(), y));
    // The line's full height, whatever the font's leading says, then the gap.
    y += std::ceil(line.ascent() + line.descent()) + kLineGap;
  }
  // The document's margin below the last block, as the plain layout keeps it.
  if (!block.next().isValid()) y += document()->documentMargin();
  rect.setHeight(y);
  return rect;
}

void spaceTextLines(QPlainTextEdit* box) {
  auto* document = new QTextDocument(box);
  document->setDocumentLayout(new SpacedLinesLayout(document));
  document->setDefaultFont(box->font());
  box->setDocument(document);  // the box's own first document is deleted by it
}

}  // namespace ui
