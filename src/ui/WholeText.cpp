// Texts kept whole, or from their beginning, in narrow cells.
#include "ui/WholeText.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QVariant>

#include <algorithm>

namespace ui {
namespace {

// The design font of a cell that keeps its text whole, and the design alignment of a
// cell that keeps the beginning of its text in sight.
constexpr const char* kDesignFont = "tavorinDesignFont";
constexpr const char* kDesignAlignment = "tavorinDesignAlignment";
// The right margin a label that shows only the beginning of its text keeps, so that its
// last character is drawn whole or not at all.
constexpr const char* kClipMargin = "tavorinClipMargin";

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

int clipMargin(const QLabel* label) { return label->property(kClipMargin).toInt(); }

int labelRoom(const QLabel* label) {
  return label->contentsRect().width() + clipMargin(label) - 2 * std::max(0, label->margin()) - std::max(0, label->indent());
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

// How wide the longest beginning of `text` made of whole characters is, within `room`.
int wholeCharactersWidth(const QFont& font, const QString& text, int room) {
  const QFontMetrics metrics(font);
  QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
  int width = 0;
  while (characters.toNextBoundary() != -1) {
    const int next = metrics.horizontalAdvance(text.left(characters.position()));
    if (next > room) break;
    width = next;
  }
  return width;
}

// The label's design alignment while its text fits, else its beginning at the left edge,
// up to its last whole character: half of a character can read as another one.
void alignFromBeginning(QLabel* label) {
  const auto design = Qt::Alignment(label->property(kDesignAlignment).toInt());
  const int room = labelRoom(label);
  const bool fitsNow = fits(label->font(), label->text(), room);
  const Qt::Alignment wanted = fitsNow ? design : (design & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
  if (label->alignment() != wanted) label->setAlignment(wanted);
  const int clip = fitsNow ? 0 : room - wholeCharactersWidth(label->font(), label->text(), room);
  if (clip == clipMargin(label)) return;
  QMargins margins = label->contentsMargins();
  margins.setRight(margins.right() - clipMargin(label) + clip);
  label->setProperty(kClipMargin, clip);
  label->setContentsMargins(margins);
}

// Fits a label again when its font or size changes after its text was set (the
// program's fonts applied to a window already built, a cell resized), so that neither
// its alignment nor the end it cuts off is left from the font it had then.
class RefitOnChange : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((event->type() == QEvent::FontChange || event->type() == QEvent::Resize) && !refitting_) {
      refitting_ = true;
      fitWholeText(static_cast<QWidget*>(watched));
      refitting_ = false;
    }
    return false;
  }

 private:
  bool refitting_ = false;
};

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
  label->installEventFilter(new RefitOnChange(label));
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
