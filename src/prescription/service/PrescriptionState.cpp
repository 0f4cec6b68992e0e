#include "prescription/service/PrescriptionState.h"

#include "prescription/service/GridTotals.h"
#include "text/Dates.h"

namespace prescription {

void startNewNumber(PrescriptionState& state, text::SerialSource& serials, const QString& stationCode) {
  const QDateTime time = serials.NewPrescriptionTime();
  state.header[header::kRecordNumber] = text::timestampText(time);
  state.header[header::kDate] = text::isoDate(time.date());
  state.number = text::timestampText(time) + stationCode;
  state.numberLoadedOrSaved = false;
  state.dispenseMark.clear();
}

void changeSheetMode(PrescriptionState& state, bool herbal, text::SerialSource& serials,
                     const QString& stationCode) {
  if (state.herbal == herbal) return;
  startNewNumber(state, serials, stationCode);
  if (herbal) state.doses = kDefaultDoses;
  state.text.clear();
  for (PricedRow& row : state.grid)
    for (int column : {kName, kQuantity, kUnit, kPrice, kAmount, kStock}) row[column].clear();
  applyTotals(state, RecalcTotals(state.grid));
  state.herbal = herbal;
}

std::optional<HerbalLayout> layOutHerbalText(PrescriptionState& state) {
  if (!state.herbal) return std::nullopt;
  HerbalLayout layout = herbalLayout(state.text);
  state.text = layout.text;
  if (layout.summary) state.herbalSummary = *layout.summary;
  return layout;
}

}  // namespace prescription
