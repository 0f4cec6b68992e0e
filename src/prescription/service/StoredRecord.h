// A prescription record on its way into and out of [档案]: the stored row carries the
// priced grid packed as one text and the header as plain columns.
#pragma once

#include "prescription/service/PrescriptionRecord.h"
#include "store/Database.h"
#include "store/RecordRows.h"

#include <optional>

namespace prescription {

store::RecordRow storedRow(const PrescriptionRecord& record);
// The record a stored row holds; it is not marked as loaded, which the caller decides.
PrescriptionRecord recordFromRow(const store::RecordRow& row);

// The stored record of a serial; nullopt when it has none. Throws as the store does.
std::optional<PrescriptionRecord> storedRecord(store::Database& db, const QString& serial);
// Rewrites the serial's record, or adds it.
void storeRecord(store::Database& db, const PrescriptionRecord& record);

}  // namespace prescription
