#include "prescription/service/ShownRecord.h"

namespace prescription {

PrescriptionRecord shownRecord(const PrescriptionState& s) {
  PrescriptionRecord r;
  r.serial = s.number;
  r.header = s.header;
  r.prescriptionText = s.text;
  r.infusionCardText = s.infusionCard;
  r.symptoms = s.symptoms;
  r.herbalUsage = s.usage;
  r.kind = sheetModeName(s.herbal);
  r.dispenseMark = s.dispenseMark;
  r.loadedOrSaved = s.numberLoadedOrSaved;
  r.grid = s.grid;
  r.medicalRecord = s.medicalRecord;
  r.doses = s.doses;
  return r;
}

PrescriptionState loadedState(const LoadOutcome& loaded) {
  const PrescriptionRecord& r = loaded.record;
  PrescriptionState s;
  s.header = r.header;
  s.text = r.prescriptionText;
  s.infusionCard = r.infusionCardText;
  s.symptoms = r.symptoms;
  s.usage = r.herbalUsage;
  s.number = r.serial;
  s.dispenseMark = r.dispenseMark;
  s.numberLoadedOrSaved = r.loadedOrSaved;
  s.doses = r.doses;
  s.medicalRecord = r.medicalRecord;
  s.grid = r.grid;
  s.herbal = loaded.herbalLayout;
  s.total = r.header[header::kTotal];
  if (s.herbal) layOutHerbalText(s);
  return s;
}

}  // namespace prescription
