// The prescription window's header fields as the physician fills them in: each change and
// the sex field's click go to the model, which applies the fields' rules (the sex digits
// and the toggle, the fee total); here the look-ups that a change or the focus starts,
// Enter along the fields and Down into a field's open list. And the suggestion lists: patients
// under the name, address and diagnosis phrases under their fields, common symptoms under
// the symptom search box, each picked by a double click or Enter.
#include "prescription/PrescriptionWindow.h"
#include "prescription/PrescriptionSheet.h"

#include "prescription/service/SuggestionLookUp.h"
#include "ui/ControlEvents.h"
#include "ui/FocusAndKeys.h"

#include <functional>

namespace prescription {
namespace {

// Puts the text into a multi-line box with the caret at `caret` (characters).
void setTextAndCaret(QPlainTextEdit* box, const QString& text, int caret) {
  if (box->toPlainText() != text) box->setPlainText(text);
  QTextCursor cursor = box->textCursor();
  cursor.setPosition(caret);
  box->setTextCursor(cursor);
}

// The phrase picked from `list` goes into `box` as `edit` makes it from the box's text;
// the box takes the focus, and its change and focus handling, which refill the list, run
// before the list is hidden, so that it ends hidden.
void pickPhraseInto(QListWidget* list, QLineEdit* box,
                    const std::function<QString(const QString& text, const QString& phrase)>& edit) {
  const QListWidgetItem* item = list->currentItem();
  if (!item) return;
  const QString phrase = item->text();
  box->setText(edit(box->text(), phrase));
  box->end(false);
  box->setFocus(Qt::OtherFocusReason);
  list->hide();
}

}  // namespace

void PrescriptionWindow::wireHeaderFields() {
  for (const auto& [i, box] : sheet_->Text5) {
    const int index = i;
    connect(box, &QLineEdit::textChanged, this, [this, index] { headerFieldEdited(index); });
    ui::onGotFocus(box, [this, index] { headerFieldEntered(index); });
    ui::onKeyDown(box, [this, index](int key) { return headerFieldKeyDown(index, key); });
  }
  ui::onClick(sheet_->Text5[header::kSex], [this] {
    model_.toggleSex();
    sheet_->Text5[header::kSex]->end(false);
  });

  ui::onPick(sheet_->List5, [this] { List5_DblClick(); });
  ui::onPick(sheet_->List4, [this] {
    pickPhraseInto(sheet_->List4, sheet_->Text5[header::kAddress],
                   [](const QString&, const QString& phrase) { return phrase; });
  });
  ui::onPick(sheet_->List3,
             [this] { pickPhraseInto(sheet_->List3, sheet_->Text5[header::kDiagnosis], diagnosisAfterPick); });
  ui::onPick(List8, [this] { List8_DblClick(); });
  ui::onClick(Text10->viewport(), [this] { List8->hide(); });
  connect(Text11, &QLineEdit::textChanged, this, [this] { runLookUp(symptomLookUp(Text11->text(), true)); });
  ui::onGotFocus(Text11, [this] { runLookUp(symptomLookUp(Text11->text(), false)); });
  // Down moves into the open symptom list.
  ui::onKeyDown(Text11, [this](int key) {
    if (key == Qt::Key_Down && !List8->isHidden()) ui::enterList(List8);
    return false;
  });
  for (const auto& [i, label] : Label8) ui::onClick(label, [this] { Label8_Click(); });
}

void PrescriptionWindow::headerFieldEdited(int index) {
  // What the model shows is its own already and starts no look-up.
  if (filling_) return;
  // The model applies the field's rules; what they change in the header comes back through
  // its change signal before this goes on.
  const FieldChange change = model_.setHeaderField(index, sheet_->Text5[index]->text());
  if (change.caretToEnd) sheet_->Text5[index]->end(false);
  if (change.hide) suggestionList(*change.hide)->hide();
  if (change.lookUp) runLookUp(*change.lookUp);
}

void PrescriptionWindow::headerFieldEntered(int index) {
  const FieldFocus focus = prescription::headerFieldFocus(index, model_.state().header, filling_);
  const SuggestionList lists[] = {SuggestionList::Patients, SuggestionList::Addresses, SuggestionList::Diagnoses};
  for (int i = 0; i < 3; ++i)
    if (focus.hide[i]) suggestionList(lists[i])->hide();
  if (focus.lookUp) runLookUp(*focus.lookUp);
  sheet_->Text5[index]->end(false);
}

bool PrescriptionWindow::headerFieldKeyDown(int index, int keyCode) {
  const std::optional<SuggestionList> own = listOfField(index);
  const bool listShown = own && !suggestionList(*own)->isHidden();
  const FieldKey key = prescription::headerFieldKey(index, keyCode, listShown);
  switch (key.target) {
    case KeyTarget::Field: sheet_->Text5[key.field]->setFocus(Qt::OtherFocusReason); break;
    case KeyTarget::SearchBox: drugSearch_.searchBox()->setFocus(Qt::OtherFocusReason); break;
    case KeyTarget::NextControl: focusNextChild(); break;
    case KeyTarget::List: ui::enterList(suggestionList(*key.list)); break;
    case KeyTarget::None: break;
  }
  return key.swallow;
}

// ---- Suggestion lists ----

QListWidget* PrescriptionWindow::suggestionList(SuggestionList list) const {
  switch (list) {
    case SuggestionList::Patients: return sheet_->List5;
    case SuggestionList::Addresses: return sheet_->List4;
    case SuggestionList::Diagnoses: return sheet_->List3;
    case SuggestionList::Symptoms: return List8;
  }
  return List8;
}

void PrescriptionWindow::runLookUp(const LookUp& lookUp) {
  QListWidget* list = suggestionList(lookUp.list);
  list->clear();
  if (lookUp.hideFirst) list->hide();
  list->addItems(model_.lookUp(lookUp).items);
  // The symptom list shows at any time; the others not while the window fills its controls.
  const bool mayShow = !filling_ || lookUp.list == SuggestionList::Symptoms;
  if (list->count() > 0 && mayShow) {
    list->show();
    list->raise();
  }
}

void PrescriptionWindow::List5_DblClick() {
  if (!model_.pickPatient(sheet_->List5->currentRow())) return;
  sheet_->List5->hide();
  // The diagnosis field's focus handling then lists the diagnoses.
  sheet_->Text5[header::kDiagnosis]->setFocus(Qt::OtherFocusReason);
  sheet_->Text5[header::kDiagnosis]->end(false);
}

void PrescriptionWindow::List8_DblClick() {
  const QListWidgetItem* item = List8->currentItem();
  if (!item) return;
  const QString phrase = item->text();
  const QTextCursor cursor = Text10->textCursor();
  const TextEdit edit = insertSymptom(Text10->toPlainText(), cursor.selectionStart(),
                                      cursor.selectionEnd() - cursor.selectionStart(), phrase);
  setTextAndCaret(Text10, edit.text, edit.caret);
  // Emptying the search box lists every symptom again, ready for the next phrase.
  Text11->setText(QString());
  Text11->setFocus(Qt::OtherFocusReason);
  List8->hide();
}

void PrescriptionWindow::Label8_Click() {
  // The phrase before the caret is closed with "。"; a click on a caption continues the
  // enumeration instead.
  const QTextCursor cursor = Text10->textCursor();
  const int caret = cursor.selectionStart();
  const QString text = Text10->toPlainText();
  const QString edited = commaBeforeCaret(text, caret);
  if (edited == text) return;
  setTextAndCaret(Text10, edited, caret);
}

}  // namespace prescription
