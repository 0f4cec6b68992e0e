#include "prescription/service/PrintedPrescription.h"

namespace prescription {

void fillSheetTexts(printing::SheetSnapshot& sheet, const PrescriptionState& state) {
  for (int i = 0; i < printing::kSheetFieldCount; ++i) sheet.fields[i].text.text = state.Text5[i];
  sheet.doseCount.text = state.Text6;
  sheet.usage.text = state.C1;
  sheet.body.text = state.R1;
}

printing::OverlayRecord overlayRecord(const PrescriptionState& state, const printing::SheetBody& bodyBox) {
  printing::OverlayRecord record;
  for (int i = 0; i < printing::kOverlayFieldCount; ++i) record.fields[i] = state.Text5[i];
  record.doseCount = state.Text6;
  record.usage = state.C1;
  record.herbal = state.herbal;
  record.body = bodyBox;
  record.body.text = state.R1;
  return record;
}

}  // namespace prescription
