// The prescription window's suggestion lists: patients under the name, address and
// diagnosis phrases under their fields, common symptoms under the symptom search box; and
// their picks, by double click or Enter, each acting on the item picked.
#include "prescription/PrescriptionWindow.h"

#include "prescription/service/SuggestionLookUp.h"
#include "ui/ControlEvents.h"
#include "ui/FocusAndKeys.h"

#include <functional>

namespace prescription {
namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

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

void PrescriptionWindow::wireSuggestionLists() {
  const std::pair<QListWidget*, void (PrescriptionWindow::*)()> picks[] = {
      {List5, &PrescriptionWindow::List5_DblClick},
      {List4, &PrescriptionWindow::List4_DblClick},
      {List3, &PrescriptionWindow::List3_DblClick},
      {List8, &PrescriptionWindow::List8_DblClick},
  };
  for (const auto& [list, pick] : picks) {
    connect(list, &QListWidget::itemDoubleClicked, this, pick);
    // Enter picks like a double click and goes no further; other keys move the selection.
    ui::onKeyDown(list, [this, pick = pick](int key) {
      if (!isEnter(key)) return false;
      (this->*pick)();
      return true;
    });
  }
  ui::onClick(Text10->viewport(), [this] { List8->hide(); });
  connect(Text11, &QLineEdit::textChanged, this, [this] { runLookUp(symptomLookUp(Text11->text(), true)); });
  ui::onGotFocus(Text11, [this] { runLookUp(symptomLookUp(Text11->text(), false)); });
  ui::onKeyDown(Text11, [this](int key) {
    Text11_KeyDown(key);
    return false;
  });
  for (const auto& [i, label] : Label8) ui::onClick(label, [this] { Label8_Click(); });
}

QListWidget* PrescriptionWindow::suggestionList(SuggestionList list) const {
  switch (list) {
    case SuggestionList::Patients: return List5;
    case SuggestionList::Addresses: return List4;
    case SuggestionList::Diagnoses: return List3;
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
  if (!model_.pickPatient(List5->currentRow())) return;
  List5->hide();
  // The diagnosis field's focus handling then lists the diagnoses.
  Text5[header::kDiagnosis]->setFocus(Qt::OtherFocusReason);
  Text5[header::kDiagnosis]->end(false);
}

void PrescriptionWindow::List3_DblClick() {
  pickPhraseInto(List3, Text5[header::kDiagnosis], diagnosisAfterPick);
}

void PrescriptionWindow::List4_DblClick() {
  pickPhraseInto(List4, Text5[header::kAddress], [](const QString&, const QString& phrase) { return phrase; });
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

void PrescriptionWindow::Text11_KeyDown(int keyCode) {
  if (keyCode != Qt::Key_Down || List8->isHidden()) return;
  List8->setFocus(Qt::OtherFocusReason);
  List8->setCurrentRow(0);
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
