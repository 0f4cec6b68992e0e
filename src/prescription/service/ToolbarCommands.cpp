#include "prescription/service/ToolbarCommands.h"

#include "prescription/service/CatalogSearch.h"
#include "prescription/service/GridTotals.h"
#include "prescription/service/NewPrescriptionDefaults.h"
#include "prescription/service/PrescriptionState.h"
#include "text/Dates.h"

namespace prescription {
namespace {

// Empties the grid's columns [0, columns) in every row and works the totals out again,
// as the emptied quantity and price cells do on the window.
void clearGrid(PrescriptionState& state, int columns) {
  for (PricedRow& row : state.grid)
    for (int column = 0; column < columns; ++column) row[column].clear();
  applyTotals(state, RecalcTotals(state.grid));
}

// The layout of the current category; the sheet stays as it is for a category without one.
void applyCategoryLayout(PrescriptionState& state, int category) {
  const std::optional<bool> herbal = layoutForCategory(category);
  if (!herbal) return;
  state.herbal = *herbal;
  if (*herbal) state.doses = kDefaultDoses;
}

}  // namespace

std::optional<bool> layoutForCategory(int category) {
  if (category == kHerbs || category == kHerbalFormulas) return true;
  if (category >= 0 && category <= kLastDrugCategory) return false;
  return std::nullopt;
}

AfterCommand newPrescription(PrescriptionState& state, int category, text::SerialSource& serials,
                             const QString& stationCode, const settings::SettingsValues& settings) {
  for (QString& field : state.header) field.clear();
  startWithDefaults(state, serials, stationCode, settings);
  state.text.clear();
  state.infusionCard.clear();
  state.symptoms.clear();
  clearGrid(state, kGridColumns);
  applyCategoryLayout(state, category);
  const AfterCommand after{AfterCommand::Focus::NameField, true};
  state.dispenseMark.clear();
  state.medicalRecord.clear();
  state.herbalSummary.clear();
  return after;
}

AfterCommand continuePrescription(PrescriptionState& state, int category, text::SerialSource& serials,
                                  const QString& stationCode) {
  startNewNumber(state, serials, stationCode);
  state.text.clear();
  state.infusionCard.clear();
  clearGrid(state, kStock + 1);
  applyCategoryLayout(state, category);
  const AfterCommand after{AfterCommand::Focus::SearchBox, true};
  for (int field : {header::kDrugFee, header::kOtherFee, header::kTotal}) state.header[field].clear();
  state.herbalSummary.clear();
  return after;
}

CopyInProgress beginCopy(PrescriptionState& state, text::SerialSource& serials, const QString& stationCode) {
  clearGrid(state, kGridColumns);
  CopyInProgress copy{state.text, serials.NewPrescriptionTime()};
  state.number = text::timestampText(copy.time) + stationCode;
  state.numberLoadedOrSaved = false;
  state.text.clear();
  return copy;
}

void finishCopy(PrescriptionState& state, const CopyInProgress& copy) {
  state.header[header::kRecordNumber] = text::timestampText(copy.time);
  state.header[header::kDate] = text::isoDate(copy.time.date());
  state.text = copy.text;
  state.dispenseMark.clear();
}

}  // namespace prescription
