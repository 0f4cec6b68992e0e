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
    Failed,       // nothing stored; the window keeps everything
  };
  Result result = Result::Failed;
  // The one "提示" text to show when the prescription was not saved.
  QString message;
  // The record as stored: the fee and age boxes as the save rewrote them, the visit date
  // as "yyyy-mm-dd" and the stored dispense mark, for the window to show.
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

class PrescriptionSave {
 public:
  using Today = std::function<QDate()>;

  PrescriptionSave(QString mainDbPath, QString notifyFilePath, Today today = &QDate::currentDate);
  PrescriptionSave(store::KeptConnection& main, QString notifyFilePath, Today today = &QDate::currentDate);

  // An ordinary save (toolbar, pricing, medical record): keeps the stored dispense mark
  // of an existing record, and stores "" for a serial without a record.
  SaveOutcome save(const PrescriptionRecord& shown, bool herbalLayout) const;

 private:
  bool rewriteCounter() const;

  store::Connection main_;
  QString notifyFilePath_;
  Today today_;
};

}  // namespace prescription
