#include "ui/WholeText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

#include <algorithm>

namespace ui {
namespace {

// The design font of a cell that keeps its text whole.
constexpr const char* kDesignFont = "tavorinDesignFont";

// A line edit leaves this much room on either side of its text, and one pixel for the
// caret after it.
constexpr int kLineEditMargin = 2;
constexpr int kCaretWidth = 1;

// Narrower faces are tried before a smaller one, since a narrow digit of full height
// reads better than a small one; below about three fifths of its width a digit no
// longer reads well, and a smaller size reads better.
constexpr int kNarrowest = 60;
constexpr int kStretchStep = 5;

bool fits(const QFont& font, const QString& text, int room) {
  return QFontMetrics(font).horizontalAdvance(text) <= room;
}

}  // namespace

QFont fittingFont(const QFont& design, const QString& text, int room) {
  if (text.isEmpty() || room <= 0 || fits(design, text, room)) return design;
  QFont font = design;
  for (int stretch = 100 - kStretchStep; stretch >= kNarrowest; stretch -= kStretchStep) {
    font.setStretch(stretch);
    if (fits(font, text, room)) return font;
  }
  // Still too wide at the narrowest face: the narrowest face, smaller, down to one pixel.
  const QFontInfo info(design);
  for (int size = info.pixelSize() - 1; size >= 1; --size) {
    font.setPixelSize(size);
    if (fits(font, text, room)) return font;
  }
  return font;
}

namespace {

QFont designFontOf(const QWidget* cell) {
  const QVariant stored = cell->property(kDesignFont);
  return stored.isValid() ? stored.value<QFont>() : cell->font();
}

int lineEditRoom(const QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.rect = box->rect();
  option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  QRect r = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
  r = r.marginsRemoved(box->textMargins());
  return r.width() - 2 * kLineEditMargin - kCaretWidth;
}

int labelRoom(const QLabel* label) {
  return label->contentsRect().width() - 2 * std::max(0, label->margin()) - std::max(0, label->indent());
}

void applyFont(QWidget* cell, const QFont& font) {
  if (cell->font() != font) cell->setFont(font);
}

}  // namespace

int textRoom(const QWidget* cell) {
  if (const auto* box = qobject_cast<const QLineEdit*>(cell)) return lineEditRoom(box);
  if (const auto* label = qobject_cast<const QLabel*>(cell)) return labelRoom(label);
  return cell->contentsRect().width();
}

void keepTextWhole(QLineEdit* box) {
  box->setProperty(kDesignFont, QVariant::fromValue(box->font()));
  QObject::connect(box, &QLineEdit::textChanged, box, [box] { fitWholeText(box); });
  fitWholeText(box);
}

void keepTextWhole(QLabel* label) {
  label->setProperty(kDesignFont, QVariant::fromValue(label->font()));
  fitWholeText(label);
}

void setWholeText(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
  fitWholeText(label);
}

void fitWholeText(QWidget* cell) {
  if (!cell->property(kDesignFont).isValid()) return;
  const QFont design = designFontOf(cell);
  if (auto* box = qobject_cast<QLineEdit*>(cell)) {
    applyFont(box, fittingFont(design, box->text(), lineEditRoom(box)));
  } else if (auto* label = qobject_cast<QLabel*>(cell)) {
    applyFont(label, fittingFont(design, label->text(), labelRoom(label)));
  }
}

}  // namespace ui
