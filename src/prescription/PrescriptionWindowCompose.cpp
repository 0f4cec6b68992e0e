// The prescription window's pick from the drug list, which the model composes.
#include "prescription/DrugListModel.h"
#include "prescription/PrescriptionWindow.h"
#include "ui/CrLfText.h"

namespace prescription {

void PrescriptionWindow::List1_DblClick() {
  const DrugListing& entries = drugList_->entries();
  const int row = List1->currentIndex().row();
  // With rows but none chosen there is nothing to pick.
  if (row < 0 || row >= static_cast<int>(entries.size())) return;
  const QTextCursor cursor = R1->textCursor();
  const QString boxText = R1->toPlainText();
  showOutcome(model_.pick(entries[static_cast<size_t>(row)], ui::fromBoxPosition(boxText, cursor.selectionStart()),
                          ui::fromBoxPosition(boxText, cursor.selectionEnd())));
  Text1->clear();
  Text1->setFocus();
  List1->setCurrentIndex(QModelIndex());
  List1->clearSelection();
  hideAllSuggestions();
}


}  // namespace prescription
