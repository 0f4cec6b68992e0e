#include "prescription/service/StoredRecord.h"

#include "prescription/service/PricingGridPacking.h"
#include "store/RecordsRepository.h"

namespace prescription {

static_assert(header::kCount == store::kRecordHeaderColumns, "every header field has its column");

store::RecordRow storedRow(const PrescriptionRecord& r) {
  return {r.serial,       r.header,     r.prescriptionText, r.infusionCardText,       r.symptoms,
          r.herbalUsage,  r.nameInitials, r.kind,           r.dispenseMark,           PricingGridPacking(r.grid),
          r.medicalRecord, r.doses};
}

PrescriptionRecord recordFromRow(const store::RecordRow& row) {
  PrescriptionRecord r;
  r.serial = row.serial;
  r.header = row.header;
  r.prescriptionText = row.prescriptionText;
  r.infusionCardText = row.infusionCardText;
  r.symptoms = row.symptoms;
  r.herbalUsage = row.herbalUsage;
  r.nameInitials = row.nameInitials;
  r.kind = row.kind;
  r.dispenseMark = row.dispenseMark;
  r.grid = unpackPricingGrid(row.pricing);
  r.medicalRecord = row.medicalRecord;
  r.doses = row.doses;
  return r;
}

std::optional<PrescriptionRecord> storedRecord(store::Database& db, const QString& serial) {
  const std::optional<store::RecordRow> row = store::RecordsRepository(db).record(serial);
  if (!row) return std::nullopt;
  return recordFromRow(*row);
}

void storeRecord(store::Database& db, const PrescriptionRecord& record) {
  store::RecordsRepository(db).write(storedRow(record));
}

}  // namespace prescription
