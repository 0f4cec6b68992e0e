#include "prescription/service/PrintedPrescription.h"

namespace prescription {

void fillSheetTexts(printing::SheetSnapshot& sheet, const PrescriptionState& state) {
  for (int i = 0; i < printing::kSheetFieldCount; ++i) sheet.fields[i].text.text = state.header[i];
  sheet.doseCount.text = state.doses;
  sheet.usage.text = state.usage;
  sheet.body.text = state.text;
}

printing::OverlayRecord overlayRecord(const PrescriptionState& state, const printing::SheetBody& bodyBox) {
  printing::OverlayRecord record;
  for (int i = 0; i < printing::kOverlayFieldCount; ++i) record.fields[i] = state.header[i];
  record.doseCount = state.doses;
  record.usage = state.usage;
  record.herbal = state.herbal;
  record.body = bodyBox;
  record.body.text = state.text;
  return record;
}

printing::InfusionCard infusionCard(const PrescriptionState& state) {
  return {state.header[header::kDate], state.header[header::kName],      state.header[header::kSex],
          state.header[header::kAge],  state.header[header::kDiagnosis], state.infusionCard};
}

}  // namespace prescription
