#include "prescription/service/PrescriptionModel.h"

#include "prescription/service/AutomaticPricing.h"
#include "prescription/service/Composition.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/DrawerSort.h"
#include "prescription/service/GridTotals.h"
#include "prescription/service/InfusionCardText.h"
#include "prescription/service/NewPrescriptionDefaults.h"
#include "prescription/service/PatientPick.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionSave.h"
#include "prescription/service/ShownRecord.h"
#include "store/DataFile.h"

#include <utility>

namespace prescription {

// Marks the model busy for one command; the changes the command made are said once, when
// it ends.
class PrescriptionModel::Running {
 public:
  explicit Running(PrescriptionModel& model) : model_(model), entered_(!model.running_) {
    if (entered_) model_.running_ = true;
  }
  ~Running() {
    if (!entered_) return;
    model_.running_ = false;
    const unsigned what = std::exchange(model_.pending_, 0u);
    // The sheet's caption follows its layout, except right after a load, which names the
    // stored kind.
    if ((what & Layout) && !std::exchange(model_.captionFromLoad_, false)) model_.sheetCaption_.clear();
    if (what != 0) emit model_.changed(what);
  }
  Running(const Running&) = delete;
  Running& operator=(const Running&) = delete;
  // False when another command was already running.
  bool entered() const { return entered_; }

 private:
  PrescriptionModel& model_;
  bool entered_;
};

namespace {

CommandOutcome done(const QString& message = {}) { return {CommandOutcome::Result::Done, message, {}}; }
CommandOutcome declined(const QString& message = {}) { return {CommandOutcome::Result::Declined, message, {}}; }
CommandOutcome failed(const QString& message) { return {CommandOutcome::Result::Failed, message, {}}; }

CommandOutcome outcomeOf(const SaveOutcome& saved) {
  switch (saved.result) {
    case SaveOutcome::Result::Saved: return done(saved.message);
    case SaveOutcome::Result::Failed: return failed(saved.message);
    default: return declined(saved.message);
  }
}

CommandOutcome outcomeOf(const DispenseOutcome& outcome) {
  switch (outcome.result) {
    case DispenseOutcome::Result::Done: return done(outcome.message);
    case DispenseOutcome::Result::Failed: return failed(outcome.message);
    default: return declined(outcome.message);
  }
}

}  // namespace

PrescriptionModel::PrescriptionModel(Workplace workplace, platform::Dialogs& questions, QObject* parent)
    : QObject(parent), workplace_(std::move(workplace)), questions_(questions) {}

PrescriptionModel::~PrescriptionModel() = default;

store::KeptConnection& PrescriptionModel::connection() {
  const QString path = workplace_.mainDb();
  if (!connection_ || connection_->path() != path) connection_ = std::make_unique<store::KeptConnection>(path);
  return *connection_;
}

void PrescriptionModel::emitChanged(unsigned what) {
  if (running_)
    pending_ |= what;
  else if (what != 0)
    emit changed(what);
}

QString PrescriptionModel::sheetCaption() const {
  return sheetCaption_.isEmpty() ? sheetModeName(state_.herbal) : sheetCaption_;
}

CommandOutcome PrescriptionModel::busyOutcome() const { return {CommandOutcome::Result::Busy, {}, {}}; }

// ---- Edits ----

FieldChange PrescriptionModel::setHeaderField(int index, const QString& text) {
  if (index < 0 || index >= header::kCount) return {};
  HeaderTexts typed = state_.header;
  typed[index] = text;
  FieldChange change = headerFieldChange(index, typed, false);
  const std::optional<QString> replaced = std::exchange(change.replaceText, std::nullopt);
  const std::optional<QString> total = std::exchange(change.total, std::nullopt);
  // An edit arriving while a command runs is refused; its look-up still runs.
  if (running_) return change;
  state_.header[index] = replaced.value_or(text);
  unsigned what = replaced ? Header : 0u;
  if (total && state_.header[header::kTotal] != *total) {
    state_.header[header::kTotal] = *total;
    what |= Header;
  }
  emitChanged(what);
  return change;
}

void PrescriptionModel::toggleSex() {
  if (running_) return;
  state_.header[header::kSex] = sexAfterClick(state_.header[header::kSex]);
  emitChanged(Header);
}

void PrescriptionModel::setText(const QString& text) {
  if (running_ || state_.text == text) return;
  state_.text = text;
  caret_.reset();
  const QString card = infusionCardOf(text);
  if (card == state_.infusionCard) return;
  state_.infusionCard = card;
  emitChanged(InfusionCard);
}

void PrescriptionModel::setInfusionCard(const QString& text) {
  if (!running_) state_.infusionCard = text;
}
void PrescriptionModel::setSymptoms(const QString& text) {
  if (!running_) state_.symptoms = text;
}
void PrescriptionModel::setUsage(const QString& text) {
  if (!running_) state_.usage = text;
}
void PrescriptionModel::setDoses(const QString& text) {
  if (!running_) state_.doses = text;
}
void PrescriptionModel::setMedicalRecord(const QString& record) {
  if (!running_) state_.medicalRecord = record;
}

void PrescriptionModel::setGridCell(int row, int column, const QString& text) {
  if (running_ || row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns) return;
  if (state_.grid[row][column] == text) return;
  state_.grid[row][column] = text;
  applyTotals(state_, RecalcTotals(state_.grid));
  // The total under the grid wins over what the fee fields made of the total field.
  state_.header[header::kTotal] = state_.total;
  emitChanged(Grid | Header);
}

void PrescriptionModel::setHistoryBoxes(const HistoryWindow& window) {
  if (!running_) historyWindow_ = window;
}

void PrescriptionModel::typeHistorySearch(const QString& search) {
  if (running_) return;
  historyWindow_ = searchTyped(historyWindow_, search, workplace_.today());
  emitChanged(HistoryBoxes);
}

void PrescriptionModel::setState(const PrescriptionState& state) {
  Running running(*this);
  if (!running.entered()) return;
  state_ = state;
  caret_.reset();
  pending_ |= Everything & ~History & ~HistoryBoxes;
}

// ---- Composing ----

DrugListing PrescriptionModel::listing(const CatalogQuery& query) { return runListing(connection(), query); }

void PrescriptionModel::chooseCategory(int index) {
  Running running(*this);
  if (!running.entered() || index < 0 || index >= kCategoryCount) return;
  category_ = index;
  const bool wasHerbal = state_.herbal;
  const QString text = state_.text;
  applyCategoryClick(state_, index, *workplace_.serials, workplace_.stationCode());
  unsigned what = Everything & ~History & ~HistoryBoxes & ~MedicalRecord;
  if (state_.herbal != wasHerbal) what |= GridReset;
  if (state_.text != text) state_.infusionCard = infusionCardOf(state_.text);
  caret_.reset();
  pending_ |= what;
}

void PrescriptionModel::startWithDefaults() {
  Running running(*this);
  if (!running.entered()) return;
  PrescriptionState s = state_;
  prescription::startWithDefaults(s, *workplace_.serials, workplace_.stationCode(), workplace_.settings());
  state_.header = s.header;
  state_.number = s.number;
  state_.numberLoadedOrSaved = false;  // a new prescription, whatever number the clock gave
  pending_ |= Header | Number;
}

void PrescriptionModel::afterCommand(const AfterCommand& after) {
  // A new number is a new prescription: its save never takes over a stored record.
  state_.numberLoadedOrSaved = false;
  unsigned what = Everything & ~History & ~HistoryBoxes;
  if (after.gridReset) what |= GridReset;
  caret_.reset();
  pending_ |= what;
}

AfterCommand PrescriptionModel::newPrescription() {
  Running running(*this);
  if (!running.entered()) return {};
  const AfterCommand after = prescription::newPrescription(state_, category_, *workplace_.serials,
                                                           workplace_.stationCode(), workplace_.settings());
  afterCommand(after);
  return after;
}

AfterCommand PrescriptionModel::continuePrescription() {
  Running running(*this);
  if (!running.entered()) return {};
  const AfterCommand after =
      prescription::continuePrescription(state_, category_, *workplace_.serials, workplace_.stationCode());
  afterCommand(after);
  return after;
}

void PrescriptionModel::beginCopy() {
  Running running(*this);
  if (!running.entered() || copy_) return;
  copy_ = std::make_unique<CopyInProgress>(prescription::beginCopy(state_, *workplace_.serials, workplace_.stationCode()));
  caret_.reset();
  pending_ |= Everything & ~History & ~HistoryBoxes;
}

void PrescriptionModel::finishCopy() {
  if (!copy_) return;
  Running running(*this);
  if (!running.entered()) return;
  prescription::finishCopy(state_, *copy_);
  copy_.reset();
  caret_.reset();
  pending_ |= Everything & ~History & ~HistoryBoxes;
}

void PrescriptionModel::applyLayout(const HerbalLayout& layout) {
  if (layout.summary) state_.herbalSummary = *layout.summary;
  state_.text = layout.text;
  caret_ = layout.caret;
  pending_ |= Text | Layout;
}

CommandOutcome PrescriptionModel::pick(const ListEntry& entry, int selectionStart, int selectionEnd) {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  const QString before = state_.text;
  CommandOutcome outcome = done();
  if (category_ < kHerbs) {
    const ComposedText composed = pickCatalogRow(state_.text, entry.item, entry.usageItem, state_.herbal);
    state_.text = composed.text;
    caret_ = composed.caret;
    pending_ |= Text;
  } else if (category_ == kHerbs) {
    const HerbPick herb = pickHerb(state_.text, selectionStart, selectionEnd, entry.item, state_.herbal);
    if (herb.duplicate) return declined(kDuplicateHerbMessage);
    if (herb.layout) {
      applyLayout(*herb.layout);
    } else {
      state_.text = herb.result.text;
      caret_ = herb.result.caret;
      pending_ |= Text;
    }
  } else {
    // A template is read by the key its entry remembers, whatever was added or removed
    // since the list was filled; one removed since adds nothing.
    std::optional<QString> content;
    try {
      content = readTemplateContent(connection(), entry.key);
    } catch (const std::exception& e) {
      CommandOutcome unreadable = failed(kTemplateUnreadableMessage);
      unreadable.reason = store::failureReason(e);
      return unreadable;
    }
    if (!content) return declined();
    const ComposedText composed =
        category_ == kHerbalFormulas ? pickFormula(state_.text, *content) : pickPersonalSet(state_.text, *content);
    state_.text = composed.text;
    caret_ = composed.caret;
    pending_ |= Text;
  }
  if (state_.text != before) {
    state_.infusionCard = infusionCardOf(state_.text);
    pending_ |= InfusionCard;
  }
  return outcome;
}

void PrescriptionModel::addRoute(int route) {
  Running running(*this);
  if (!running.entered()) return;
  const QString text = appendRouteLine(state_.text, route);
  if (text == state_.text) return;
  state_.text = text;
  state_.infusionCard = infusionCardOf(text);
  caret_.reset();
  pending_ |= Text | InfusionCard;
}

void PrescriptionModel::layOutHerbs() {
  Running running(*this);
  if (running.entered()) layOut(true);
}

void PrescriptionModel::layOut(bool cardFollows) {
  if (!state_.herbal) return;
  const QString before = state_.text;
  if (const std::optional<HerbalLayout> layout = layOutHerbalText(state_)) applyLayout(*layout);
  if (cardFollows && state_.text != before) {
    state_.infusionCard = infusionCardOf(state_.text);
    pending_ |= InfusionCard;
  }
}

void PrescriptionModel::sortByDrawer() {
  Running running(*this);
  if (!running.entered()) return;
  state_.grid = prescription::sortByDrawer(state_.grid);
  pending_ |= Grid;
}

// ---- Storing ----

void PrescriptionModel::renumbered(const QString& serial) {
  // The new prescription's own number was taken meanwhile: it is stored under this one.
  state_.number = serial;
  state_.numberLoadedOrSaved = false;
  pending_ |= Number;
}

void PrescriptionModel::showStored(const PrescriptionRecord& stored, bool withStock) {
  state_.number = stored.serial;
  state_.numberLoadedOrSaved = true;
  state_.header = stored.header;
  state_.dispenseMark = stored.dispenseMark;
  pending_ |= Number | Header;
  if (withStock) {
    for (int r = 0; r < kGridRows; ++r) state_.grid[r][kStock] = stored.grid[r][kStock];
    pending_ |= Grid;
  }
}

CommandOutcome PrescriptionModel::save() {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  return storeShown();
}

CommandOutcome PrescriptionModel::storeShown() {
  const SaveOutcome outcome = PrescriptionSave(connection(), workplace_.notifyFile(), workplace_.today)
                                  .whenRenumbered([this](const QString& serial) { renumbered(serial); })
                                  .save(shownRecord(state_), state_.herbal);
  // A blank name or a failed save leaves the prescription as it was.
  if (outcome.saved()) showStored(outcome.stored, false);
  // Deleted on another workstation: the list shows what is stored now.
  if (outcome.result == SaveOutcome::Result::Gone) requery();
  return outcomeOf(outcome);
}

CommandOutcome PrescriptionModel::saveAndListToday() {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  layOut(false);
  const CommandOutcome saved = storeShown();
  // Also after a refused save: the list shows today's patients.
  historyWindow_ = todaysPatients(workplace_.today());
  requery();
  return saved;
}

CommandOutcome PrescriptionModel::saveWithRecord() {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  layOut(true);
  const CommandOutcome saved = storeShown();
  requery();
  return saved;
}

CommandOutcome PrescriptionModel::priceSaveAndList() {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  PrescriptionState priced = state_;
  const PricingOutcome outcome = AutomaticPricing(connection()).price(priced);
  if (!outcome.priced) return failed(kPricingFailedMessage + outcome.reason);
  state_ = priced;
  caret_.reset();
  pending_ |= Everything & ~History & ~HistoryBoxes & ~MedicalRecord;
  const CommandOutcome saved = storeShown();
  historyWindow_ = todaysPatients(workplace_.today());
  requery();
  return saved;
}

Dispensing PrescriptionModel::dispensing() const {
  return Dispensing(workplace_.mainDb(), workplace_.stockDb(), workplace_.notifyFile(), workplace_.today);
}

CommandOutcome PrescriptionModel::dispense() {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  Dispensing dispensing = this->dispensing();
  dispensing.whenRenumbered([this](const QString& serial) { renumbered(serial); });
  const DispenseOutcome outcome = dispensing.dispense(shownRecord(state_), state_.herbal);
  // Deleted on another workstation: the list shows what is stored now.
  if (outcome.result == DispenseOutcome::Result::Gone) requery();
  if (!outcome.done()) return outcomeOf(outcome);
  showStored(outcome.stored, true);
  requery();
  return outcomeOf(outcome);
}

bool PrescriptionModel::agreeToGoOnWithout(const DispenseOutcome& outcome, QStringList& goOnWithout) {
  if (questions_.ask(outcome.message, platform::kPromptTitle, platform::Dialogs::Buttons::YesNoDefaultNo) !=
      platform::Dialogs::Answer::Yes)
    return false;
  goOnWithout += outcome.missingDrugs;
  return true;
}

CommandOutcome PrescriptionModel::undoDispense() {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  const Dispensing dispensing = this->dispensing();
  const PrescriptionRecord shown = shownRecord(state_);
  QStringList goOnWithout;
  DispenseOutcome outcome = dispensing.undo(shown, state_.herbal);
  // A drug renamed or removed since: nothing changed yet; go on only when the user agrees.
  while (outcome.result == DispenseOutcome::Result::DrugsMissing) {
    if (!agreeToGoOnWithout(outcome, goOnWithout)) return declined();
    outcome = dispensing.undo(shown, state_.herbal, goOnWithout);
  }
  if (outcome.result == DispenseOutcome::Result::Gone) requery();
  if (!outcome.done()) return outcomeOf(outcome);
  showStored(outcome.stored, true);
  requery();
  return outcomeOf(outcome);
}

CommandOutcome PrescriptionModel::removeShown() {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  if (questions_.ask(kDeleteQuestion, platform::kPromptTitle, platform::Dialogs::Buttons::OkCancel,
                     platform::Dialogs::Icon::Warning) !=
      platform::Dialogs::Answer::Ok)
    return declined();
  const Dispensing dispensing = this->dispensing();
  const PrescriptionRecord shown = shownRecord(state_);
  QStringList goOnWithout;
  DispenseOutcome outcome = dispensing.remove(shown);
  while (outcome.result == DispenseOutcome::Result::DrugsMissing) {
    if (!agreeToGoOnWithout(outcome, goOnWithout)) return declined();
    outcome = dispensing.remove(shown, goOnWithout);
  }
  // A number the window does not own is someone else's record: it and its list item
  // stay; the window starts anew as after a delete.
  if (outcome.result == DispenseOutcome::Result::Skipped) {
    resetAfterDelete();
    return done();
  }
  // Nothing was deleted: the list and the prescription stay as they were.
  if (!outcome.done()) return outcomeOf(outcome);
  // The list is read again, without the deleted record.
  requery();
  resetAfterDelete();
  return done();
}

void PrescriptionModel::resetAfterDelete() {
  const settings::SettingsValues defaults = workplace_.settings();
  const QString text = state_.text;
  state_.header = {};
  state_.header[header::kPhysician] = defaults.physician;
  state_.header[header::kDispenser] = defaults.dispenser;
  state_.header[header::kDepartment] = defaults.department;
  state_.header[header::kFeeCategory] = defaults.feeCategory;
  startNewNumber(state_, *workplace_.serials, workplace_.stationCode());
  state_.text.clear();
  state_.grid = {};
  state_.total.clear();
  state_.dispenseMark.clear();
  state_.symptoms.clear();
  state_.medicalRecord.clear();
  if (category_ == kHerbs || category_ == kHerbalFormulas) {
    state_.herbal = true;
    state_.doses = kDefaultDoses;
  } else if (category_ <= kLastDrugCategory) {
    state_.herbal = false;
  }
  if (state_.text != text) state_.infusionCard = infusionCardOf(state_.text);
  applyTotals(state_, RecalcTotals(state_.grid));
  state_.header[header::kTotal] = state_.total;
  caret_.reset();
  pending_ |= (Everything & ~History & ~HistoryBoxes) | GridReset;
}

// ---- The history list ----

void PrescriptionModel::requery() {
  // An unreadable data file lists nothing; the next query tries again.
  history_ = std::make_shared<HistoryRows>(connection(), historyWindow_);
  historyIndex_ = -1;
  pending_ |= History;
}

CommandOutcome PrescriptionModel::listHistory() {
  Running running(*this);
  if (!running.entered()) return busyOutcome();
  requery();
  return done();
}

CommandOutcome PrescriptionModel::openHistory() {
  Running running(*this);
  if (!running.entered()) return busyOutcome();
  historyWindow_ = openingWindow(historyWindow_, workplace_.today());
  requery();
  return done();
}

CommandOutcome PrescriptionModel::listToday() {
  Running running(*this);
  if (!running.entered()) return busyOutcome();
  historyWindow_ = todaysPatients(workplace_.today());
  requery();
  return done();
}

CommandOutcome PrescriptionModel::listDayBefore() {
  Running running(*this);
  if (!running.entered()) return busyOutcome();
  historyWindow_ = dayBefore(historyWindow_);
  requery();
  return done();
}

CommandOutcome PrescriptionModel::listDayAfter() {
  Running running(*this);
  if (!running.entered()) return busyOutcome();
  historyWindow_ = dayAfter(historyWindow_);
  requery();
  return done();
}

CommandOutcome PrescriptionModel::listPatientHistory() {
  Running running(*this);
  if (!running.entered()) return busyOutcome();
  const auto window = patientHistory(historyWindow_, state_.header[header::kName], workplace_.today());
  if (!window) return declined();
  historyWindow_ = *window;
  requery();
  return done();
}

CommandOutcome PrescriptionModel::loadFromHistory(int index) {
  Running running(*this);
  if (!running.entered() || copy_) return busyOutcome();
  if (index < 0 || index >= history_->size()) return declined();
  historyIndex_ = index;
  const LoadOutcome loaded = PrescriptionLoad(connection()).load(history_->at(index).serial);
  if (!loaded.loaded()) {
    // A record deleted since the listing: the list shows what is stored now.
    if (loaded.result == LoadOutcome::Result::Gone) requery();
    return loaded.result == LoadOutcome::Result::Gone ? declined(loaded.message) : failed(loaded.message);
  }
  state_ = loadedState(loaded);
  sheetCaption_ = loaded.modeCaption;
  captionFromLoad_ = true;
  caret_.reset();
  pending_ |= Everything & ~History & ~HistoryBoxes;
  return done();
}

// ---- Suggestions ----

Suggestions PrescriptionModel::lookUp(const LookUp& lookUp) {
  if (lookUp.list == SuggestionList::Patients) listedPatients_.clear();
  Suggestions found = lookUpSuggestions(connection(), lookUp, workplace_.today().year());
  if (lookUp.list == SuggestionList::Patients) listedPatients_ = found.patients;
  return found;
}

bool PrescriptionModel::pickPatient(int row) {
  if (running_ || row < 0 || row >= static_cast<int>(listedPatients_.size())) return false;
  // The values the item was listed with: a register changed since by another workstation
  // cannot put someone else's particulars under this name.
  for (const auto& [field, value] : patientPickFields(listedPatients_[static_cast<size_t>(row)]))
    state_.header[field] = value;
  emitChanged(Header);
  return true;
}

}  // namespace prescription
