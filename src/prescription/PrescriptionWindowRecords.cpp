// The prescription window's stored side: the save, the history list and the load of a
// listed record, automatic pricing, dispensing and its undo, and the delete. The model
// runs each; the window forwards the click and says the outcome.
#include "prescription/PrescriptionWindow.h"

#include "printing/PrescriptionPrints.h"
#include "printing/service/InfusionCardPrint.h"
#include "ui/Guard.h"

#include <QSignalBlocker>

namespace prescription {
namespace {

constexpr int kSerialRole = Qt::UserRole;
// The pop-up lies 60 twips right of and below the pointer.
constexpr int kPopupOffset = 4;  // px, 60 twips

}  // namespace

void PrescriptionWindow::showOutcome(const CommandOutcome& outcome) {
  if (!outcome.message.isEmpty()) ui::showFailure(session_.dialogs, outcome.message, outcome.reason);
}

// ---- History list ----

HistoryWindow PrescriptionWindow::historyWindow() const { return {Text2->text(), Text3->text(), Text4->text()}; }

void PrescriptionWindow::showHistory(bool withItems) {
  const HistoryWindow& window = model_.historyWindow();
  // The boxes are set together; typing into the search box is what widens the window.
  const QSignalBlocker block(Text2);
  Text2->setText(window.search);
  Text3->setText(window.from);
  Text4->setText(window.to);
  if (!withItems) return;
  List2->clear();
  for (const HistoryItem& item : model_.history()) {
    auto* entry = new QListWidgetItem(item.text, List2);
    entry->setData(kSerialRole, item.serial);
  }
}

void PrescriptionWindow::List2_Click() {
  QListWidgetItem* item = List2->currentItem();
  if (!item || filling_) return;
  // The medical-record window's unsaved edits go with the prescription it belonged to.
  session_.windows.unload(QStringLiteral("Form14"));
  const CommandOutcome loaded = model_.loadFromHistory(List2->row(item));
  showOutcome(loaded);
  if (!loaded.done()) return;
  hideAllSuggestions();
}

// ---- Prints ----

void PrescriptionWindow::Command10_Click() {
  const PrescriptionState& s = model_.state();
  const printing::InfusionCard card{s.header[header::kDate],      s.header[header::kName], s.header[header::kSex],
                                    s.header[header::kAge],       s.header[header::kDiagnosis], s.infusionCard};
  prints().Command10_Click(card);
}

// ---- Delete ----

void PrescriptionWindow::List2_MouseUp(Qt::MouseButton button, const QPoint& position) {
  if (button != Qt::RightButton || List2->count() == 0) return;
  int left = List2->x() + position.x() + kPopupOffset;
  int top = List2->y() + position.y() + kPopupOffset;
  // Never below the list: the pop-up's bottom then lies on the list's bottom edge.
  const int lowest = List2->y() + List2->height() - Picture6->height();
  if (lowest < top) top = lowest;
  Picture6->move(left, top);
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
  Text5[header::kName]->setFocus();
}

}  // namespace prescription
