#include "prescription/service/PrescriptionLoad.h"

#include "store/DataFile.h"
#include "prescription/service/StoredRecord.h"
#include "text/Dates.h"

namespace prescription {

QString modeCaption(const QString& kind) {
  if (kind == u"中") return kHerbalSheet;
  if (kind == u"西") return kOrdinarySheet;
  return kind;
}

LoadOutcome PrescriptionLoad::load(const QString& serial) const {
  LoadOutcome outcome;
  std::optional<PrescriptionRecord> record;
  try {
    record = main_->use([&](store::Database& db) { return storedRecord(db, serial); });
  } catch (const std::exception& failure) {
    outcome.message = QStringLiteral("无法读取处方！%1：%2").arg(store::failureReason(failure), main_->path());
    return outcome;
  }
  if (!record) {
    outcome.result = LoadOutcome::Result::Gone;
    outcome.message = kRecordGoneMessage;
    return outcome;
  }
  outcome.result = LoadOutcome::Result::Loaded;
  outcome.record = std::move(*record);
  outcome.record.loadedOrSaved = true;
  QString& visitDate = outcome.record.header[header::kDate];
  if (const std::optional<QDate> visit = text::readDate(visitDate)) visitDate = text::isoDate(*visit);
  outcome.modeCaption = modeCaption(outcome.record.kind);
  outcome.herbalLayout = outcome.record.kind == kHerbalSheet;
  return outcome;
}

}  // namespace prescription
