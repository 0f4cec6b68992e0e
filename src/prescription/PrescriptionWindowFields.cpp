// The prescription window's header fields as the physician fills them in: the sex digits
// and the toggle, the fee total, the look-ups that a change or the focus starts, Enter
// along the fields and Down into a field's open list.
#include "prescription/PrescriptionWindow.h"

#include "ui/ControlEvents.h"
#include "ui/FocusAndKeys.h"

namespace prescription {

void PrescriptionWindow::wireHeaderFields() {
  for (const auto& [i, box] : Text5) {
    const int index = i;
    connect(box, &QLineEdit::textChanged, this, [this, index] { Text5_Change(index); });
    ui::onClick(box, [this, index] { Text5_Click(index); });
    ui::onGotFocus(box, [this, index] { Text5_GotFocus(index); });
    ui::onKeyDown(box, [this, index](int key) { return Text5_KeyDown(index, key); });
  }
  wireSuggestionLists();
}

HeaderTexts PrescriptionWindow::headerTexts() const {
  HeaderTexts texts;
  for (int i = 0; i < header::kCount; ++i) texts[i] = Text5[i]->text();
  return texts;
}

void PrescriptionWindow::Text5_Change(int index) {
  // What the model shows needs no replacement and starts no look-up.
  if (filling_) return;
  const FieldChange change = prescription::Text5_Change(index, headerTexts(), false);
  QLineEdit* box = Text5[index];
  // The replacement runs this handler once more, which then finds nothing to replace.
  if (change.replaceText) box->setText(*change.replaceText);
  if (change.caretToEnd) box->end(false);
  if (change.total && Text5[header::kTotal]->text() != *change.total) Text5[header::kTotal]->setText(*change.total);
  if (change.hide) suggestionList(*change.hide)->hide();
  if (change.lookUp) runLookUp(*change.lookUp);
}

void PrescriptionWindow::Text5_Click(int index) {
  if (index != header::kSex) return;
  QLineEdit* box = Text5[index];
  box->setText(sexAfterClick(box->text()));
  box->end(false);
}

void PrescriptionWindow::Text5_GotFocus(int index) {
  const FieldFocus focus = prescription::Text5_GotFocus(index, headerTexts(), filling_);
  const SuggestionList lists[] = {SuggestionList::Patients, SuggestionList::Addresses, SuggestionList::Diagnoses};
  for (int i = 0; i < 3; ++i)
    if (focus.hide[i]) suggestionList(lists[i])->hide();
  if (focus.lookUp) runLookUp(*focus.lookUp);
  Text5[index]->end(false);
}

bool PrescriptionWindow::Text5_KeyDown(int index, int keyCode) {
  const std::optional<SuggestionList> own = listOfField(index);
  const bool listShown = own && !suggestionList(*own)->isHidden();
  const FieldKey key = prescription::Text5_KeyDown(index, keyCode, listShown);
  switch (key.target) {
    case KeyTarget::Field: Text5[key.field]->setFocus(Qt::OtherFocusReason); break;
    case KeyTarget::SearchBox: Text1->setFocus(Qt::OtherFocusReason); break;
    case KeyTarget::NextControl: focusNextChild(); break;
    case KeyTarget::List: {
      QListWidget* list = suggestionList(*key.list);
      list->setFocus(Qt::OtherFocusReason);
      list->setCurrentRow(0);
      break;
    }
    case KeyTarget::None: break;
  }
  return key.swallow;
}

}  // namespace prescription
