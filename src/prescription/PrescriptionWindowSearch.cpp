// The prescription window's left panel: the category buttons, the search box with its keys,
// the drug list they fill and its pick, which the model composes; and the history list
// with its pop-up that deletes the listed record.
#include "prescription/PrescriptionWindow.h"
#include "prescription/PrescriptionSheet.h"
#include "prescription/service/CatalogSearch.h"
#include "ui/ControlTable.h"
#include "ui/CrLfText.h"
#include "ui/TextRows.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace prescription {
namespace {

// The pop-up lies 60 twips right of and below the pointer.
constexpr int kPopupOffset = 4;  // px, 60 twips

}  // namespace

void PrescriptionWindow::Command1_Click(int index) {
  if (index < 0 || index >= kCategoryCount) return;
  ui::markChosen(Command1, index);
  // The search text goes at every click; its listing is replaced by the click's own.
  Text1->clear();
  Text1->setFocus();
  drugList_->clear();

  model_.chooseCategory(index);
  fillDrugList(clickQuery(index));
}

void PrescriptionWindow::Text1_Change() {
  const QString typed = Text1->text();
  const QString search = withoutApostrophes(typed);
  if (search != typed) {
    // Setting the text runs this handler again for the text without apostrophes.
    Text1->setText(search);
    return;
  }
  // The listing replaces the list's entries in one go (an unreadable catalogue lists none).
  fillDrugList(searchQuery(model_.category(), search));
  hideSuggestionLists();
}

void PrescriptionWindow::fillDrugList(const CatalogQuery& query) {
  // The old entries go first: the kept catalogue rows they were made from are then no
  // longer shared, and a change to the catalogue is applied to them in place.
  drugList_->clear();
  drugListing_ = {};
  try {
    drugListing_ = model_.listing(query);
  } catch (const std::exception&) {
    // Left unsaid on purpose: a catalogue that cannot be read lists nothing while the
    // physician types, and the search box keeps its text; pricing says why.
  }
  drugList_->setRows(static_cast<int>(drugListing_.size()),
                     [this](int row) { return drugListing_.item(static_cast<size_t>(row)); });
}

void PrescriptionWindow::hideSuggestionLists() {
  for (QListWidget* list : {sheet_->List3, sheet_->List4, sheet_->List5}) list->hide();
}

void PrescriptionWindow::hideAllSuggestions() {
  hideSuggestionLists();
  List8->hide();
}

bool PrescriptionWindow::eventFilter(QObject* watched, QEvent* event) {
  // The search box taking the focus closes the patient suggestion lists.
  if (watched == Text1 && event->type() == QEvent::FocusIn) hideSuggestionLists();
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == Text1 && key == Qt::Key_Down) {
      List1->setFocus();
      if (drugList_->rowCount() > 0) List1->setCurrentIndex(drugList_->index(0));
      return true;
    }
    if (watched == Text1 && enter) {
      // One hit is picked at once; with none or several the key does nothing.
      if (drugList_->rowCount() == 1) {
        List1->setCurrentIndex(drugList_->index(0));
        List1_DblClick();
      }
      return true;
    }
    if (watched == Text2 && enter) {
      // Enter in the history search only moves on to 今日患者.
      Command2->setFocus();
      return true;
    }
    if (watched == List1 && enter) {
      List1_DblClick();
      return true;
    }
  }
  if (watched == List2->viewport()) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) Picture6->hide();
    if (event->type() == QEvent::MouseButtonRelease) List2_MouseUp(mouse->button(), mouse->position().toPoint());
  }
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

void PrescriptionWindow::List1_DblClick() {
  const int row = List1->currentIndex().row();
  // With rows but none chosen there is nothing to pick.
  if (row < 0 || row >= static_cast<int>(drugListing_.size())) return;
  const QTextCursor cursor = sheet_->R1->textCursor();
  const QString boxText = sheet_->R1->toPlainText();
  showOutcome(model_.pick(drugListing_[static_cast<size_t>(row)], ui::fromBoxPosition(boxText, cursor.selectionStart()),
                          ui::fromBoxPosition(boxText, cursor.selectionEnd())));
  Text1->clear();
  Text1->setFocus();
  List1->setCurrentIndex(QModelIndex());
  List1->clearSelection();
  hideAllSuggestions();
}

// ---- History list ----

void PrescriptionWindow::List2_Click() {
  QListWidgetItem* item = List2->currentItem();
  if (!item || filling_) return;
  // The medical-record window's unsaved edits go with the prescription it belonged to.
  session_.windows.unload(QStringLiteral("Form14"));
  const CommandOutcome loaded = model_.loadFromHistory(List2->row(item));
  showOutcome(loaded);
  if (loaded.done()) hideAllSuggestions();
}

void PrescriptionWindow::List2_MouseUp(Qt::MouseButton button, const QPoint& position) {
  if (button != Qt::RightButton || List2->count() == 0) return;
  const int left = List2->x() + position.x() + kPopupOffset;
  // Never below the list: the pop-up's bottom then lies on the list's bottom edge.
  const int lowest = List2->y() + List2->height() - Picture6->height();
  Picture6->move(left, std::min(List2->y() + position.y() + kPopupOffset, lowest));
  Picture6->show();
  Picture6->raise();
}

void PrescriptionWindow::Label9_Click(int index) {
  Picture6->hide();
  hideAllSuggestions();
  if (index != 0) return;
  const CommandOutcome removed = model_.removeShown();
  showOutcome(removed);
  if (!removed.done()) return;
  List8->hide();
  sheet_->Text5[header::kName]->setFocus();
}

}  // namespace prescription
