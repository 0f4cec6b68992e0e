// Lines of a plain-text box that never split an entry: a herb with its dose stays on one
// line. With entry ends set, the box breaks a line only where an entry starts (see
// text::layOutLines), as the prints break the same text; without them it wraps as any box.
#pragma once

#include <QPlainTextDocumentLayout>

class QPlainTextEdit;

namespace ui {

class EntryLinesLayout : public QPlainTextDocumentLayout {
  Q_OBJECT

 public:
  explicit EntryLinesLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

  // The characters that end an entry; empty: lines break as in any box.
  void setEntryEnds(const QString& ends);
  const QString& entryEnds() const { return ends_; }

  // Lays a block out again when the plain layout broke a line inside an entry.
  QRectF blockBoundingRect(const QTextBlock& block) const override;

 private:
  QString ends_;
};

// Gives the box a fresh document with that layout (its text and undo history go), so
// this is done as it is made, after its font is set.
EntryLinesLayout* keepEntriesWhole(QPlainTextEdit* box);

}  // namespace ui
