#include "prescription/service/PrescriptionSave.h"

#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/SaveFormatting.h"
#include "prescription/service/StoredRecord.h"
#include "prescription/service/VisitCounterFile.h"
#include "store/DataFile.h"
#include "store/PhraseList.h"
#include "store/RecordsRepository.h"
#include "text/Blank.h"
#include "text/Dates.h"
#include "text/SearchKeys.h"

#include <SQLiteCpp/Transaction.h>

#include <QDateTime>

#include <algorithm>

namespace prescription {
namespace {

const QString& box(const PrescriptionRecord& r, int field) { return r.header[field]; }

// The register row of a record; nullopt when the name or the age box is empty (a box
// of blanks counts as filled).
std::optional<PatientRegisterRow> registerRow(const PrescriptionRecord& r, int currentYear) {
  const QString& name = box(r, header::kName);
  const QString& age = box(r, header::kAge);
  if (name.isEmpty() || age.isEmpty()) return std::nullopt;
  PatientRegisterRow p;
  p.birthYear = birthYearText(age, currentYear);
  p.key = text::PatientKey(name, p.birthYear);
  p.name = name;
  p.sex = box(r, header::kSex);
  p.cardNumber = box(r, header::kInsuranceNumber);
  p.address = box(r, header::kAddress);
  p.diagnosis = box(r, header::kDiagnosis);
  p.feeCategory = box(r, header::kFeeCategory);
  p.phone = box(r, header::kPhone);
  p.allergy = box(r, header::kAllergy);
  return p;
}

SaveOutcome refused(SaveOutcome::Result result, QString message) {
  SaveOutcome outcome;
  outcome.result = result;
  outcome.message = std::move(message);
  return outcome;
}

}  // namespace

SaveOutcome::Result saveCheck(const PrescriptionRecord& shown) {
  if (text::trimBlanks(box(shown, header::kName)).isEmpty()) return SaveOutcome::Result::NameMissing;
  if (!text::readDate(box(shown, header::kDate))) return SaveOutcome::Result::NoVisitDate;
  return SaveOutcome::Result::Saved;
}

PrescriptionRecord recordToStore(const PrescriptionRecord& shown, bool herbalLayout) {
  PrescriptionRecord r = shown;
  r.kind = herbalLayout ? kHerbalSheet : kOrdinarySheet;
  r.header[header::kDrugFee] = formattedFee(box(shown, header::kDrugFee));
  r.header[header::kOtherFee] = formattedFee(box(shown, header::kOtherFee));
  r.header[header::kAge] = ageWithUnit(box(shown, header::kAge));
  if (const std::optional<QDate> visit = text::readDate(box(shown, header::kDate)))
    r.header[header::kDate] = text::isoDate(*visit);
  r.nameInitials = text::NameInitialsKey(box(shown, header::kName));
  return r;
}

void writePrescription(store::Database& db, const PrescriptionRecord& record, int currentYear) {
  storeRecord(db, record);
  if (const std::optional<PatientRegisterRow> patient = registerRow(record, currentYear))
    store::RecordsRepository(db).writePatient(*patient);
  // A phrase kept already, in any list, is no failure; an empty one is not offered.
  const auto addPhrase = [&db](const QString& phrase, const QString& list) {
    if (!phrase.isEmpty()) store::PhraseList(db, list).add({{phrase, text::NameInitialsKey(phrase)}});
  };
  addPhrase(addressPhrase(box(record, header::kAddress)), store::PhraseList::Addresses);
  addPhrase(diagnosisPhrase(box(record, header::kDiagnosis)), store::PhraseList::Diagnoses);
}

QString nextSerial(const QString& taken, int step) {
  static const QString kFormat = QStringLiteral("yyyyMMddHHmmss");
  const QString stamp = taken.left(kFormat.size());
  bool digits = stamp.size() == kFormat.size();
  for (QChar c : stamp) digits = digits && c >= u'0' && c <= u'9';
  // Read as a plain count of seconds: the clock's own time zone plays no part.
  const QDateTime time(QDate::fromString(stamp.left(8), QStringLiteral("yyyyMMdd")),
                       QTime::fromString(stamp.mid(8), QStringLiteral("HHmmss")), Qt::UTC);
  if (!digits || !time.isValid()) return taken + u'-' + QString::number(step + 1);
  return time.addSecs(step).toString(kFormat) + taken.mid(kFormat.size());
}

namespace {

// The number one second after a PrescriptionSerial's: the stamp's clock digits count on
// by themselves until the day ends, which is all a walk over taken numbers needs.
QString secondAfter(const QString& serial) {
  QString next = serial;
  const auto countOn = [&next](int at, int limit) {
    const int value = next.mid(at, 2).toInt() + 1;
    next.replace(at, 2, QStringLiteral("%1").arg(value < limit ? value : 0, 2, 10, QChar(u'0')));
    return value < limit;
  };
  if (countOn(12, 60) || countOn(10, 60) || countOn(8, 24)) return next;
  return nextSerial(serial);
}

// Orders two numbers as the serial's index does: ASCII letters without case, then code
// unit by code unit.
int compareAsIndexed(const QString& a, const QString& b) {
  const auto folded = [](QChar c) { return c >= u'A' && c <= u'Z' ? c.unicode() + (u'a' - u'A') : c.unicode(); };
  for (qsizetype i = 0, n = std::min(a.size(), b.size()); i < n; ++i)
    if (const int d = folded(a[i]) - folded(b[i]); d != 0) return d;
  return static_cast<int>(a.size() - b.size());
}

}  // namespace

QString serialToStore(store::Database& db, const PrescriptionRecord& shown, const Renumbered& renumbered) {
  store::RecordsRepository records(db);
  if (shown.loadedOrSaved || !records.dispenseMark(shown.serial)) return shown.serial;
  // A day of seconds is more than any number of programs can take in one burst.
  constexpr int kTries = 86400;
  int step = 1;
  QString serial = nextSerial(shown.serial, step);
  if (serial.size() == shown.serial.size()) {
    // A serial from the clock: the numbers of one station code follow each other in the
    // index in time order, so one walk along it finds the end of the run of taken seconds
    // after the shown one, however long the run is, instead of asking for each second.
    records.serialsFrom(serial, [&](const QString& stored) {
      const int order = compareAsIndexed(stored, serial);
      if (order > 0) return false;  // the index has passed the candidate: it is free
      if (order == 0) {
        serial = secondAfter(serial);
        ++step;
      }
      return step <= kTries;
    });
  }
  // Asked of the store itself, whatever the walk found (and second by second for a number
  // that is no serial from the clock): a new save never replaces a stored record.
  for (; step <= kTries; serial = nextSerial(shown.serial, ++step)) {
    if (records.dispenseMark(serial)) continue;
    if (renumbered) renumbered(serial);
    return serial;
  }
  throw store::StoreError(QStringLiteral("找不到空闲的处方号"));
}

PrescriptionSave::PrescriptionSave(QString mainDbPath, QString notifyFilePath, Today today)
    : main_(std::move(mainDbPath)), notifyFilePath_(std::move(notifyFilePath)), today_(std::move(today)) {}

PrescriptionSave::PrescriptionSave(store::KeptConnection& main, QString notifyFilePath, Today today)
    : main_(main), notifyFilePath_(std::move(notifyFilePath)), today_(std::move(today)) {}

SaveOutcome PrescriptionSave::save(const PrescriptionRecord& shown, bool herbalLayout) const {
  switch (saveCheck(shown)) {
    case SaveOutcome::Result::NameMissing:
      return refused(SaveOutcome::Result::NameMissing, kNameMissingMessage);
    case SaveOutcome::Result::NoVisitDate:
      return refused(SaveOutcome::Result::NoVisitDate, kNoVisitDateMessage);
    default:
      break;
  }

  SaveOutcome outcome;
  outcome.stored = recordToStore(shown, herbalLayout);
  try {
    main_->use([&](store::Database& db) {
      SQLite::Transaction transaction(db.sql(), SQLite::TransactionBehavior::IMMEDIATE);
      if (shown.loadedOrSaved && !store::RecordsRepository(db).dispenseMark(shown.serial)) {
        outcome.result = SaveOutcome::Result::Gone;
        return;
      }
      outcome.stored.serial = serialToStore(db, shown, renumbered_);
      // Only dispensing and its undo change the mark: a window that shows an old mark
      // never overwrites what another workstation stored.
      outcome.stored.dispenseMark =
          store::RecordsRepository(db).dispenseMark(outcome.stored.serial).value_or(QString(""));
      writePrescription(db, outcome.stored, today_().year());
      transaction.commit();
    });
  } catch (const std::exception& failure) {
    return refused(SaveOutcome::Result::Failed, kNotSavedMessage.arg(store::failureReason(failure), main_->path()));
  }
  if (outcome.result == SaveOutcome::Result::Gone) return refused(SaveOutcome::Result::Gone, kRecordGoneMessage);
  outcome.result = SaveOutcome::Result::Saved;
  outcome.stored.loadedOrSaved = true;
  const QString counterFailure = rewriteCounter();
  outcome.counterWritten = counterFailure.isEmpty();
  if (!outcome.counterWritten) outcome.message = counterNotWrittenMessage(notifyFilePath_, counterFailure);
  return outcome;
}

QString PrescriptionSave::rewriteCounter() const {
  int count = 0;
  try {
    const QDate today = today_();
    count = main_->use([&](store::Database& db) {
      return store::RecordsRepository(db).visitCount(text::isoDate(today), text::isoDate(today.addDays(1)));
    });
  } catch (const std::exception& failure) {
    return store::failureReason(failure);  // no count read, so the file keeps the last one written
  }
  return writeVisitCounter(notifyFilePath_, count);
}

}  // namespace prescription
