// The prescription window's stored side: the save, the history list and the load of a
// listed record, automatic pricing, dispensing and its undo, and the delete.
#include "prescription/Form2.h"

#include "prescription/service/AutomaticPricing.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionSave.h"
#include "prescription/service/ShownRecord.h"
#include "printing/PrescriptionPrints.h"
#include "printing/service/InfusionCardPrint.h"

#include <QDate>
#include <QSignalBlocker>

namespace prescription {
namespace {

constexpr int kSerialRole = Qt::UserRole;
// The pop-up lies 60 twips right of and below the pointer.
constexpr int kPopupOffset = 4;  // px, 60 twips

}  // namespace

// ---- Save ----

void Form2::Command21_Click() {
  const SaveOutcome outcome = PrescriptionSave(mainConnection(), session_.state.NotifyFilePath)
                                  .whenRenumbered([this](const QString& serial) { showNewNumber(serial); })
                                  .save(shownRecord(state()), herbal_);
  if (!outcome.saved()) {
    // A blank name or a failed save leaves everything on the window as it was.
    if (!outcome.message.isEmpty()) session_.dialogs.message(outcome.message);
    return;
  }
  showStored(outcome.stored, false);
  // Saved, but the counter file could not be rewritten: said after the save.
  if (!outcome.message.isEmpty()) session_.dialogs.message(outcome.message);
}

void Form2::showNewNumber(const QString& serial) { Label4->setText(serial); }

void Form2::showStored(const PrescriptionRecord& stored, bool withStock) {
  const int busy = BusyFlag;
  BusyFlag = -1;
  Label4->setText(stored.serial);
  storedNumber_ = stored.serial;
  for (int i = 0; i < header::kCount; ++i)
    if (Text5[i]->text() != stored.header[i]) Text5[i]->setText(stored.header[i]);
  Label5->setText(stored.dispenseMark);
  if (withStock) {
    GridFillFlag = -1;
    for (int r = 0; r < kGridRows; ++r) setGridCell(r, kStock, stored.grid[r][kStock]);
    GridFillFlag = 0;
  }
  BusyFlag = busy;
}

// ---- History list ----

HistoryWindow Form2::historyWindow() const { return {Text2->text(), Text3->text(), Text4->text()}; }

void Form2::showHistoryWindow(const HistoryWindow& window) {
  // The boxes are set together; typing into the search box is what widens the window.
  const QSignalBlocker block(Text2);
  Text2->setText(window.search);
  Text3->setText(window.from);
  Text4->setText(window.to);
}

void Form2::Command7_Click() {
  List2->clear();
  const HistoryResult result = HistoryList(mainConnection()).query(historyWindow());
  for (const HistoryItem& item : result.items) {
    auto* entry = new QListWidgetItem(item.text, List2);
    entry->setData(kSerialRole, item.serial);
  }
}

void Form2::Command2_Click() {
  showHistoryWindow(todaysPatients(QDate::currentDate()));
  Command7_Click();
}

void Form2::Command5_Click() {
  showHistoryWindow(dayBefore(historyWindow()));
  Command7_Click();
}

void Form2::Command6_Click() {
  showHistoryWindow(dayAfter(historyWindow()));
  Command7_Click();
}

void Form2::Command11_Click() {
  const auto window = patientHistory(historyWindow(), Text5[header::kName]->text(), QDate::currentDate());
  if (!window) return;
  showHistoryWindow(*window);
  Command7_Click();
}

void Form2::Text2_Change() {
  showHistoryWindow(searchTyped(historyWindow(), Text2->text(), QDate::currentDate()));
}

void Form2::List2_Click() {
  QListWidgetItem* item = List2->currentItem();
  if (!item) return;
  // The medical-record window's unsaved edits go with the prescription it belonged to.
  session_.windows.unload(QStringLiteral("Form14"));
  HistoryIndex = List2->row(item);
  const LoadOutcome loaded = PrescriptionLoad(mainConnection()).load(item->data(kSerialRole).toString());
  if (!loaded.loaded()) {
    session_.dialogs.message(loaded.message);
    // A record deleted since the listing: the list shows what is stored now.
    if (loaded.result == LoadOutcome::Result::Gone) Command7_Click();
    return;
  }
  BusyFlag = -1;
  showState(loadedState(loaded));
  Label2[kSheetMode]->setText(loaded.modeCaption);
  BusyFlag = 0;
  hideSuggestionLists();
  List8->hide();
}

// ---- Pricing and dispensing ----

void Form2::Command4_Click() {
  PrescriptionState s = state();
  const PricingOutcome outcome = AutomaticPricing(mainConnection()).price(s);
  if (!outcome.priced) {
    session_.dialogs.message(outcome.message);
    return;
  }
  BusyFlag = -1;
  showState(s);
  BusyFlag = 0;
  Command21_Click();
  Command2_Click();
}

void Form2::Command14_Click() {
  const DispenseOutcome outcome =
      Dispensing(mainDb(), session_.state.StockDbConnection, session_.state.NotifyFilePath)
          .whenRenumbered([this](const QString& serial) { showNewNumber(serial); })
          .dispense(shownRecord(state()), herbal_);
  if (!outcome.message.isEmpty()) session_.dialogs.message(outcome.message);
  // Deleted on another workstation: the list shows what is stored now.
  if (outcome.result == DispenseOutcome::Result::Gone) Command7_Click();
  if (!outcome.done()) return;
  showStored(outcome.stored, true);
  Command7_Click();
}

bool Form2::agreeToGoOnWithout(const DispenseOutcome& outcome, QStringList& goOnWithout) {
  if (session_.dialogs.ask(outcome.message, platform::kPromptTitle, platform::Dialogs::Buttons::YesNoDefaultNo) !=
      platform::Dialogs::Answer::Yes)
    return false;
  goOnWithout += outcome.missingDrugs;
  return true;
}

void Form2::Command9_Click() {
  const Dispensing dispensing(mainDb(), session_.state.StockDbConnection, session_.state.NotifyFilePath);
  const PrescriptionRecord shown = shownRecord(state());
  QStringList goOnWithout;
  DispenseOutcome outcome = dispensing.undo(shown, herbal_);
  // A drug renamed or removed since: nothing changed yet; go on only when the user agrees.
  while (outcome.result == DispenseOutcome::Result::DrugsMissing) {
    if (!agreeToGoOnWithout(outcome, goOnWithout)) return;
    outcome = dispensing.undo(shown, herbal_, goOnWithout);
  }
  if (!outcome.message.isEmpty()) session_.dialogs.message(outcome.message);
  if (outcome.result == DispenseOutcome::Result::Gone) Command7_Click();
  if (!outcome.done()) return;
  showStored(outcome.stored, true);
  Command7_Click();
}

// ---- Prints ----

void Form2::Command10_Click() {
  const printing::InfusionCard card{Text5[header::kDate]->text(), Text5[header::kName]->text(),
                                    Text5[header::kSex]->text(),  Text5[header::kAge]->text(),
                                    Text5[header::kDiagnosis]->text(), state().infusionCard};
  prints().Command10_Click(card);
}

void Form2::Command8_Click() { prints().Command8_Click(); }

// ---- Delete ----

void Form2::List2_MouseUp(Qt::MouseButton button, const QPoint& position) {
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

void Form2::Label9_Click(int index) {
  Picture6->hide();
  hideSuggestionLists();
  List8->hide();
  if (index != 0) return;
  if (session_.dialogs.ask(kDeleteQuestion, platform::kPromptTitle, platform::Dialogs::Buttons::OkCancel) !=
      platform::Dialogs::Answer::Ok)
    return;
  const Dispensing dispensing(mainDb(), session_.state.StockDbConnection, session_.state.NotifyFilePath);
  const QString serial = Label4->text();
  QStringList goOnWithout;
  DispenseOutcome outcome = dispensing.remove(serial);
  while (outcome.result == DispenseOutcome::Result::DrugsMissing) {
    if (!agreeToGoOnWithout(outcome, goOnWithout)) return;
    outcome = dispensing.remove(serial, goOnWithout);
  }
  if (!outcome.done()) {
    // Nothing was deleted: the list and the window stay as they were.
    session_.dialogs.message(outcome.message);
    return;
  }
  for (int i = List2->count() - 1; i >= 0; --i)
    if (List2->item(i)->data(kSerialRole).toString() == serial) delete List2->takeItem(i);
  resetAfterDelete();
}

void Form2::resetAfterDelete() {
  PrescriptionState s = state();
  const settings::SettingsValues& defaults = session_.settings.values();
  s.header = {};
  s.header[header::kPhysician] = defaults.physician;
  s.header[header::kDispenser] = defaults.dispenser;
  s.header[header::kDepartment] = defaults.department;
  s.header[header::kFeeCategory] = defaults.feeCategory;
  startNewNumber(s, session_.services.serials(), session_.state.StationCode);
  s.text.clear();
  s.grid = {};
  s.total.clear();
  s.dispenseMark.clear();
  s.symptoms.clear();
  s.medicalRecord.clear();
  if (CurrentCategoryIndex == 14 || CurrentCategoryIndex == 15) {
    s.herbal = true;
    s.doses = kDefaultDoses;
  } else if (CurrentCategoryIndex <= 11) {
    s.herbal = false;
    List30.clear();
    Text7.clear();
    Text8.clear();
  }
  showState(s);
  List31.clear();
  VScroll1->setValue(0);
  List8->hide();
  RecalcTotals();
  Text5[header::kName]->setFocus();
}

}  // namespace prescription
