// The prescription window's side of its left panel: a pick from the drug list, which the
// model composes into the text at its selection; and the history list with its pop-up that
// deletes the listed record.
#include "prescription/PrescriptionWindow.h"
#include "prescription/PrescriptionSheet.h"
#include "ui/ControlTable.h"
#include "ui/CrLfText.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace prescription {
namespace {

// The pop-up lies 60 twips right of and below the pointer.
constexpr int kPopupOffset = 4;  // px, 60 twips

}  // namespace

void PrescriptionWindow::hideSuggestionLists() {
  for (QListWidget* list : {sheet_->List3, sheet_->List4, sheet_->List5}) list->hide();
}

void PrescriptionWindow::hideAllSuggestions() {
  hideSuggestionLists();
  List8->hide();
}

bool PrescriptionWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == Text2 && enter) {
      // Enter in the history search only moves on to 今日患者.
      Command2->setFocus();
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

void PrescriptionWindow::pickDrug(const ListEntry& entry) {
  const QTextCursor cursor = sheet_->R1->textCursor();
  const QString boxText = sheet_->R1->toPlainText();
  showOutcome(model_.pick(entry, ui::fromBoxPosition(boxText, cursor.selectionStart()),
                          ui::fromBoxPosition(boxText, cursor.selectionEnd())));
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
