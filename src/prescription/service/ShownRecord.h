// The prescription on the window as a record to store, and a loaded record as what the
// window shows again.
#pragma once

#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionRecord.h"
#include "prescription/service/PrescriptionState.h"

namespace prescription {

// What the window shows, by column: the number of Label4, the mark of Label5, the record
// type of the sheet's layout.
PrescriptionRecord shownRecord(const PrescriptionState& state);

// A loaded record as the window shows it: the stored totals as they are (no
// recalculation), the total under the grid taken from the stored total, and on a herbal
// record the herbal text laid out again with its summary.
PrescriptionState loadedState(const LoadOutcome& loaded);

}  // namespace prescription
