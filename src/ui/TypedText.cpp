#include "ui/TypedText.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>

#include <algorithm>

namespace ui {
namespace {

bool untypable(QChar c) {
  if (c == u'\t' || c == u'\r' || c == u'\n') return false;
  return c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter;
}

bool holdsUntypable(const QString& text) { return std::any_of(text.begin(), text.end(), untypable); }

// Cleans the user's edits of a line box; the program's own setText passes whole, as the
// box is not marked modified while it is judged.
class UntypableFilter : public QValidator {
 public:
  explicit UntypableFilter(QLineEdit* box) : QValidator(box), box_(box) {}

  State validate(QString& input, int& caret) const override {
    if (box_->isModified() && holdsUntypable(input)) input = withoutUntypableCharacters(input, &caret);
    return Acceptable;
  }

 private:
  QLineEdit* box_;
};

}  // namespace

QString withoutUntypableCharacters(const QString& text, int* caret) {
  QString kept;
  kept.reserve(text.size());
  int newCaret = caret ? *caret : 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!untypable(text[i])) {
      kept += text[i];
    } else if (caret && i < *caret) {
      --newCaret;
    }
  }
  if (caret) *caret = newCaret;
  return kept;
}

void dropUntypableCharacters(QLineEdit* box) { box->setValidator(new UntypableFilter(box)); }

void PlainTextBox::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText() || !holdsUntypable(source->text())) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  QMimeData cleaned;
  cleaned.setText(withoutUntypableCharacters(source->text()));
  QPlainTextEdit::insertFromMimeData(&cleaned);
}

void PlainTextBox::inputMethodEvent(QInputMethodEvent* event) {
  if (!holdsUntypable(event->commitString())) {
    QPlainTextEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent cleaned(event->preeditString(), event->attributes());
  cleaned.setCommitString(withoutUntypableCharacters(event->commitString()), event->replacementStart(),
                          event->replacementLength());
  QPlainTextEdit::inputMethodEvent(&cleaned);
}

void PlainTextBox::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const QString kept = withoutUntypableCharacters(text);
  // A shortcut's key (Ctrl+V carries "\x16") has nothing typable: it goes on unchanged.
  if (kept == text || kept.isEmpty()) {
    QPlainTextEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent cleaned(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                    static_cast<ushort>(kept.size()));
  QPlainTextEdit::keyPressEvent(&cleaned);
  event->setAccepted(cleaned.isAccepted());
}

}  // namespace ui
