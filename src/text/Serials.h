// New keys from the clock: TimestampKey and PrescriptionSerial, never repeating.
#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

namespace text {

// Issues the time-based keys of one workstation. Two keys asked for within the same
// second, or after the clock was set back, would collide; the source then issues the
// second after the last key of the same kind instead.
class SerialSource {
 public:
  using Clock = std::function<QDateTime()>;

  // The clock gives the local time; tests inject their own.
  explicit SerialSource(Clock clock = [] { return QDateTime::currentDateTime(); });

  // "yyyymmddhhmmss": the key of a template, a goods receipt, a record number.
  QString TimestampKey();
  // "yyyymmddhhmmss" followed by the station code: the number of a prescription.
  QString PrescriptionSerial(const QString& stationCode);

  // One instant for a new prescription, read from the clock once: its record number,
  // its dates and its number all come from it. It lies after every key and every number
  // issued before, so the record number and the prescription number are both new.
  QDateTime NewPrescriptionTime();

 private:
  QDateTime nextAfter(QDateTime& last);

  Clock clock_;
  QDateTime lastTimestamp_;
  QDateTime lastSerial_;
};

}  // namespace text
