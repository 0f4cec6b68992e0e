#include "prescription/service/ShownRecord.h"

namespace prescription {

PrescriptionRecord shownRecord(const PrescriptionState& s) {
  PrescriptionRecord r;
  r.serial = s.Label4;
  r.header = s.Text5;
  r.prescriptionText = s.R1;
  r.infusionCardText = s.text9;
  r.symptoms = s.Text10;
  r.herbalUsage = s.C1;
  r.kind = sheetModeName(s.herbal);
  r.dispenseMark = s.Label5;
  r.loadedOrSaved = s.numberLoadedOrSaved;
  r.grid = s.grid;
  r.medicalRecord = s.CurrentRecordText;
  r.doses = s.Text6;
  return r;
}

PrescriptionState loadedState(const LoadOutcome& loaded) {
  const PrescriptionRecord& r = loaded.record;
  PrescriptionState s;
  s.Text5 = r.header;
  s.R1 = r.prescriptionText;
  s.text9 = r.infusionCardText;
  s.Text10 = r.symptoms;
  s.C1 = r.herbalUsage;
  s.Label4 = r.serial;
  s.Label5 = r.dispenseMark;
  s.numberLoadedOrSaved = r.loadedOrSaved;
  s.Text6 = r.doses;
  s.CurrentRecordText = r.medicalRecord;
  s.grid = r.grid;
  s.herbal = loaded.herbalLayout;
  s.Label16 = r.header[header::kTotal];
  if (s.herbal) RC1(s);
  return s;
}

}  // namespace prescription
