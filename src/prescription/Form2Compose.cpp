// The prescription window's text: picks from the drug list, the route labels and the
// herbal layout, which the model composes.
#include "prescription/DrugListModel.h"
#include "prescription/Form2.h"
#include "ui/CrLfText.h"

namespace prescription {

void Form2::List1_DblClick() {
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
  hideSuggestionLists();
  List8->hide();
}

void Form2::Label50_Click(int index) { model_.addRoute(index); }

void Form2::R1_DblClick() { model_.layOutHerbs(); }

void Form2::RC1() { model_.layOutHerbs(); }

}  // namespace prescription
