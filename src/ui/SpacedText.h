// Room between lines of text. At the windows' small Song-style fonts the glyphs of one
// line reach the next (the font has no leading, at some sizes less than none), so list
// rows and the lines of multi-line boxes are set a little apart; the controls keep their
// size and place.
#pragma once

#include <QPlainTextDocumentLayout>
#include <QStyledItemDelegate>

class QAbstractItemView;
class QComboBox;
class QPlainTextEdit;

namespace ui {

// Pixels kept free between two lines of text.
inline constexpr int kLineGap = 2;

// Every row of the list is as tall as its font's line spacing and kLineGap more.
void spaceListRows(QAbstractItemView* list);
// The same for the rows of the box's drop-down list. (A box that is not typed into
// draws its list as a menu, whose rows stand apart already.)
void spaceListRows(QComboBox* box);

// The box's lines stand kLineGap pixels apart, wrapped lines and paragraphs alike. The
// box gets a fresh document (its text and undo history go), so this is done as it is
// made, after its font is set.
void spaceTextLines(QPlainTextEdit* box);

// The rows of a spaced list.
class SpacedRowsDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The layout of a spaced box: the plain-text layout with each line moved down so that it
// stands kLineGap below the full height of the line above. A box asks a block's bounding
// rectangle before it draws, places the caret or hit-tests that block, so the lines are
// moved there, each time the plain layout has laid the block out afresh.
class SpacedLinesLayout : public QPlainTextDocumentLayout {
  Q_OBJECT

 public:
  explicit SpacedLinesLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}
  QRectF blockBoundingRect(const QTextBlock& block) const override;
};

}  // namespace ui
