// The save of the prescription window: stores what the window shows as the record of its
// serial, with the patient register row and the address and diagnosis phrases, in one
// transaction; then rewrites the counter file with today's number of records.
#pragma once

#include "store/KeptConnection.h"

#include "prescription/service/PrescriptionRecord.h"

#include <QDate>
#include <QString>

#include <functional>

namespace store {
class Database;
}

namespace prescription {

inline const QString kNameMissingMessage = QStringLiteral("请输入患者姓名！");
inline const QString kNoVisitDateMessage = QStringLiteral("就诊日期不是有效的日期（如2024-03-05），处方未保存！");
// %1 the reason, %2 the data file.
inline const QString kNotSavedMessage = QStringLiteral("处方未保存！%1：%2");

struct SaveOutcome {
  enum class Result {
    Saved,
    NameMissing,  // nothing stored, nothing on screen changes
    NoVisitDate,  // nothing stored, nothing on screen changes
    Gone,         // the record the window loaded or saved was deleted elsewhere: not stored again
    Failed,       // nothing stored; the window keeps everything
  };
  Result result = Result::Failed;
  // The one "提示" text to show: why the prescription was not saved, or, after a save
  // whose counter file could not be rewritten, that it was saved all the same.
  QString message;
  // The record as stored: the fee and age boxes as the save rewrote them, the visit date
  // as "yyyy-mm-dd", the stored dispense mark and the number it is stored under, for the
  // window to show.
  PrescriptionRecord stored;
  // False when "Kqtz.ini" could not be rewritten; the prescription is saved all the same.
  bool counterWritten = false;

  bool saved() const { return result == Result::Saved; }
};

// Why a prescription cannot be saved as shown, checked before anything is written.
SaveOutcome::Result saveCheck(const PrescriptionRecord& shown);

// The record that the save stores for what the window shows: fees with two decimals,
// the age with its unit, the visit date as "yyyy-mm-dd", the record type from the
// layout and the name's initials key. The dispense mark is left as shown.
PrescriptionRecord recordToStore(const PrescriptionRecord& shown, bool herbalLayout);

// Writes a prepared record (its dispense mark as given), its register row and its phrases,
// inside the transaction the caller holds open on db.
void writePrescription(store::Database& db, const PrescriptionRecord& record, int currentYear);

// The number after a taken one, in the same format: a PrescriptionSerial moves on by one
// second and keeps its station code; any other key gets "-2", "-3" ... appended.
QString nextSerial(const QString& taken, int step = 1);

// Called with the new number when a prescription's own number was taken by another
// program, before anything is stored under the new one; the window shows it in Label4.
using Renumbered = std::function<void(const QString& serial)>;

// The number a prescription is stored under, decided inside the caller's transaction.
// A window rewrites the record of a number it loaded or saved itself. A new prescription
// whose number another program has stored meanwhile (two copies of the program on one
// machine, or machines cloned from one image, in the same second) never replaces that
// record: it takes the next free number, and `renumbered` is told.
QString serialToStore(store::Database& db, const PrescriptionRecord& shown, const Renumbered& renumbered);

class PrescriptionSave {
 public:
  using Today = std::function<QDate()>;

  PrescriptionSave(QString mainDbPath, QString notifyFilePath, Today today = &QDate::currentDate);
  PrescriptionSave(store::KeptConnection& main, QString notifyFilePath, Today today = &QDate::currentDate);

  // An ordinary save (toolbar, pricing, medical record): keeps the stored dispense mark
  // of an existing record, and stores "" for a serial without a record. A record the
  // window loaded or saved that another workstation has deleted since is not brought
  // back: nothing is stored and the outcome is Gone.
  SaveOutcome save(const PrescriptionRecord& shown, bool herbalLayout) const;

  // Who is told when a new prescription takes another number (serialToStore).
  PrescriptionSave& whenRenumbered(Renumbered renumbered) {
    renumbered_ = std::move(renumbered);
    return *this;
  }

 private:
  // Why "Kqtz.ini" could not be rewritten with today's count; empty when it was.
  QString rewriteCounter() const;

  store::Connection main_;
  QString notifyFilePath_;
  Today today_;
  Renumbered renumbered_;
};

}  // namespace prescription
