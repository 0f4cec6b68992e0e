// Texts kept whole, or from their beginning, in narrow cells.
#include "ui/WholeText.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVariant>

#include <algorithm>

namespace ui {
namespace {

// The design font of a cell that keeps its text whole, and the design alignment of a
// cell that keeps the beginning of its text in sight.
constexpr const char* kDesignFont = "tavorinDesignFont";
constexpr const char* kDesignAlignment = "tavorinDesignAlignment";

// A line edit leaves this much room on either side of its text, and one pixel for the
// caret after it.
constexpr int kLineEditMargin = 2;
constexpr int kCaretWidth = 1;

constexpr int kStretchStep = 5;

bool fits(const QFont& font, const QString& text, int room) {
  return QFontMetrics(font).horizontalAdvance(text) <= room;
}

qreal digitWidth(const QFont& font) { return QFontMetricsF(font).horizontalAdvance(QLatin1Char('8')); }

}  // namespace

QFont fittingFont(const QFont& design, const QString& text, int room) {
  if (text.isEmpty() || room <= 0 || fits(design, text, room)) return design;
  // A smaller size first: its digits keep their shapes and their spacing.
  QFont smaller = design;
  for (int size = QFontInfo(design).pixelSize() - 1; size >= kSmallestNumberSize; --size) {
    smaller.setPixelSize(size);
    if (fits(smaller, text, room)) return smaller;
  }
  // Then the design size narrowed: at a given digit width a narrowed face keeps 3 and 8
  // further apart than a smaller one.
  QFont narrowest = design;
  for (int stretch = 100 - kStretchStep; stretch > 0; stretch -= kStretchStep) {
    QFont narrow = design;
    narrow.setStretch(stretch);
    if (digitWidth(narrow) < kNarrowestDigit) break;
    if (fits(narrow, text, room)) return narrow;
    narrowest = narrow;
  }
  return narrowest;
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

// A number drawn smaller sits on the line where its design font would stand, as the
// texts of the cells beside it do: a centred label gives the smaller face a top margin.
void keepBaseline(QLabel* label, const QFont& design) {
  int top = 0;
  if (label->alignment() & Qt::AlignVCenter) {
    const QFontMetricsF before(design), now(label->font());
    top = std::max(0, qRound((before.ascent() - now.ascent()) - (before.descent() - now.descent())));
  }
  QMargins margins = label->contentsMargins();
  if (margins.top() == top) return;
  margins.setTop(top);
  label->setContentsMargins(margins);
}

// The label's design alignment while its text fits, else its beginning at the left edge.
void alignFromBeginning(QLabel* label) {
  const auto design = Qt::Alignment(label->property(kDesignAlignment).toInt());
  const bool fitsNow = fits(label->font(), label->text(), labelRoom(label));
  const Qt::Alignment wanted = fitsNow ? design : (design & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
  if (label->alignment() != wanted) label->setAlignment(wanted);
}

}  // namespace

int textRoom(const QWidget* cell) {
  if (const auto* box = qobject_cast<const QLineEdit*>(cell)) return lineEditRoom(box);
  if (const auto* label = qobject_cast<const QLabel*>(cell)) return labelRoom(label);
  return cell->contentsRect().width();
}

void keepTextWhole(QLineEdit* box) {
  box->setProperty(kDesignFont, QVariant::fromValue(box->font()));
  // The digits may use the whole box: the box's own padding and the caret's pixel are
  // given back, so that "12345.000" fits a box of 41 pixels at the narrowest digits.
  box->setTextMargins(-kLineEditMargin, 0, -(kLineEditMargin + kCaretWidth), 0);
  QObject::connect(box, &QLineEdit::textChanged, box, [box] { fitWholeText(box); });
  fitWholeText(box);
}

void keepTextWhole(QLabel* label) {
  label->setProperty(kDesignFont, QVariant::fromValue(label->font()));
  keepTextBeginning(label);
}

void keepTextBeginning(QLabel* label) {
  label->setProperty(kDesignAlignment, static_cast<int>(label->alignment()));
  fitWholeText(label);
}

void setWholeText(QLabel* label, const QString& text) {
  if (label->text() != text) label->setText(text);
  fitWholeText(label);
}

void fitWholeText(QWidget* cell) {
  const bool keepsWhole = cell->property(kDesignFont).isValid();
  if (auto* box = qobject_cast<QLineEdit*>(cell)) {
    if (keepsWhole) applyFont(box, fittingFont(designFontOf(box), box->text(), lineEditRoom(box)));
  } else if (auto* label = qobject_cast<QLabel*>(cell)) {
    if (keepsWhole) {
      const QFont design = designFontOf(label);
      applyFont(label, fittingFont(design, label->text(), labelRoom(label)));
      keepBaseline(label, design);
    }
    if (label->property(kDesignAlignment).isValid()) alignFromBeginning(label);
  }
}

}  // namespace ui
