#include "prescription/service/PrescriptionState.h"

#include "prescription/service/GridTotals.h"
#include "text/Dates.h"

namespace prescription {

void startNewNumber(PrescriptionState& state, text::SerialSource& serials, const QString& stationCode) {
  const QDateTime time = serials.NewPrescriptionTime();
  state.Text5[header::kRecordNumber] = text::timestampText(time);
  state.Text5[header::kDate] = text::isoDate(time.date());
  state.Label4 = text::timestampText(time) + stationCode;
  state.numberLoadedOrSaved = false;
  state.Label5.clear();
}

void changeSheetMode(PrescriptionState& state, bool herbal, text::SerialSource& serials,
                     const QString& stationCode) {
  if (state.herbal == herbal) return;
  startNewNumber(state, serials, stationCode);
  if (herbal) state.Text6 = kDefaultDoses;
  state.R1.clear();
  for (PricedRow& row : state.grid)
    for (int column : {kName, kQuantity, kUnit, kPrice, kAmount, kStock}) row[column].clear();
  applyTotals(state, RecalcTotals(state.grid));
  state.herbal = herbal;
}

std::optional<HerbalLayout> RC1(PrescriptionState& state) {
  if (!state.herbal) return std::nullopt;
  HerbalLayout layout = herbalLayout(state.R1);
  state.R1 = layout.text;
  if (layout.summary) state.Label17 = *layout.summary;
  return layout;
}

}  // namespace prescription
