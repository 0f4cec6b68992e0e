#include "ui/TypingLimits.h"

#include "text/TypingLimit.h"
#include "ui/TypedText.h"

#include <QLineEdit>
#include <QValidator>

namespace ui {
namespace {

// Judges an edit against the text the box held before it, so that only what the edit adds
// is held back: an edit that shortens an over-long text set by the program passes.
class TypingValidator : public QValidator {
 public:
  TypingValidator(QLineEdit* box, int bytes, QString refused)
      : QValidator(box), box_(box), before_(box->text()), bytes_(bytes), refused_(std::move(refused)) {
    // The box already holds the edited text while the edit is judged; what it held before
    // is kept here, from every change that stood.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
  }

  State validate(QString& input, int& caret) const override {
    // The box counts as modified only while the user edits it: setting its text clears
    // the mark before the new text is judged, so the program's text passes whole.
    if (!box_->isModified()) return Acceptable;
    input = withoutUntypableCharacters(input, &caret);
    for (const QChar c : refused_)
      if (input.count(c) > before_.count(c)) return Invalid;
    if (bytes_ < 0) return Acceptable;
    const text::LimitedEdit kept = text::limitTypedEdit(before_, input, bytes_);
    if (kept.text == input) return Acceptable;
    // Nothing of the insertion fits: the edit is refused and the box stays as it was.
    if (kept.text == before_) return Invalid;
    input = kept.text;
    caret = kept.caret;
    return Acceptable;
  }

 private:
  QLineEdit* box_;
  QString before_;
  int bytes_;
  QString refused_;
};

}  // namespace

void limitTyping(QLineEdit* box, int bytes) { box->setValidator(new TypingValidator(box, bytes, QString())); }

void refuseTyping(QLineEdit* box, const QString& refused) { box->setValidator(new TypingValidator(box, -1, refused)); }

}  // namespace ui
