// What the prescription window's prints take from the prescription on the window: the
// texts of the sheet and the overlay record. Where each element stands, its font and
// whether it is shown come from the window; the words come from the prescription state.
#pragma once

#include "prescription/service/PrescriptionState.h"
#include "printing/service/InfusionCardPrint.h"
#include "printing/service/OverlayPrint.h"
#include "printing/service/SheetPrint.h"

namespace prescription {

// Writes the prescription's words into a sheet laid out by the window: the nineteen field
// texts, the dose count and usage, and the body (CR LF between lines, as the state holds it).
void fillSheetTexts(printing::SheetSnapshot& sheet, const PrescriptionState& state);

// The overlay print's record: fields 0 to 16 whatever their panels show, the dose count
// untrimmed, the usage, herbal exactly when the sheet is herbal, and the body box as the
// window shows it with the prescription text in it.
printing::OverlayRecord overlayRecord(const PrescriptionState& state, const printing::SheetBody& bodyBox);

// The infusion card of the prescription: the visit date, the patient and the diagnosis
// from the header, and the card's lines.
printing::InfusionCard infusionCard(const PrescriptionState& state);

}  // namespace prescription
