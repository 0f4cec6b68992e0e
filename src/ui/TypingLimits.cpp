#include "ui/TypingLimits.h"

#include <QLineEdit>
#include <QValidator>

namespace ui {
namespace {

// Judges an edit against the text the box held before it, so that only what the edit adds
// is held back: an edit that shortens an over-long text set by the program passes.
class TypingValidator : public QValidator {
 public:
  TypingValidator(QLineEdit* box, int characters, QString refused)
      : QValidator(box), before_(box->text()), characters_(characters), refused_(std::move(refused)) {
    // The box already holds the edited text while the edit is judged; what it held before
    // is kept here, from every change that stood.
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
  }

  State validate(QString& input, int&) const override {
    const QString& current = before_;
    if (characters_ >= 0 && input.size() > characters_ && input.size() > current.size()) return Invalid;
    for (const QChar c : refused_)
      if (input.count(c) > current.count(c)) return Invalid;
    return Acceptable;
  }

 private:
  QString before_;
  int characters_;
  QString refused_;
};

}  // namespace

void limitTyping(QLineEdit* box, int characters) { box->setValidator(new TypingValidator(box, characters, QString())); }

void refuseTyping(QLineEdit* box, const QString& refused) { box->setValidator(new TypingValidator(box, -1, refused)); }

}  // namespace ui
