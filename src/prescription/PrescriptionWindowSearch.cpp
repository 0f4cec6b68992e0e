// The prescription window's side of its left panel: a pick from the drug list, which the
// model composes into the text at its selection, and the history list's item that loads a
// record, or its pop-up that deletes the one shown. And the suggestion lists that the
// panel's search and the sheet's clicks close.
#include "prescription/PrescriptionWindow.h"

#include "links/WindowNames.h"
#include "prescription/PrescriptionSheet.h"
#include "ui/CrLfText.h"

namespace prescription {

void PrescriptionWindow::hideSuggestionLists() {
  for (QListWidget* list : {sheet_->List3, sheet_->List4, sheet_->List5}) list->hide();
}

void PrescriptionWindow::hideAllSuggestions() {
  hideSuggestionLists();
  List8->hide();
}

bool PrescriptionWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == sheet_->R1->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) {
      // A click into the prescription closes the suggestion lists.
      hideAllSuggestions();
    } else if (event->type() == QEvent::MouseButtonDblClick && model_.state().herbal) {
      model_.layOutHerbs();
      return true;
    }
  }
  return ui::Window::eventFilter(watched, event);
}

void PrescriptionWindow::pickDrug(const ListEntry& entry) {
  const QTextCursor cursor = sheet_->R1->textCursor();
  const QString boxText = sheet_->R1->toPlainText();
  showOutcome(model_.pick(entry, ui::fromBoxPosition(boxText, cursor.selectionStart()),
                          ui::fromBoxPosition(boxText, cursor.selectionEnd())));
  hideAllSuggestions();
}

// ---- History list ----

void PrescriptionWindow::loadFromHistory(int row) {
  if (filling_) return;
  // The medical-record window's unsaved edits go with the prescription it belonged to.
  session_.windows.unload(QString::fromLatin1(links::kMedicalRecordWindow));
  const CommandOutcome loaded = model_.loadFromHistory(row);
  showOutcome(loaded);
  if (loaded.done()) hideAllSuggestions();
}

void PrescriptionWindow::answerHistoryPopup(HistoryPanel::PopupChoice choice) {
  hideAllSuggestions();
  if (choice != HistoryPanel::PopupChoice::Delete) return;
  const CommandOutcome removed = model_.removeShown();
  showOutcome(removed);
  if (!removed.done()) return;
  List8->hide();
  sheet_->Text5[header::kName]->setFocus();
}

}  // namespace prescription
