#include "text/Serials.h"

#include "text/Dates.h"

namespace text {

SerialSource::SerialSource(Clock clock) : clock_(std::move(clock)) {}

QDateTime SerialSource::nextAfter(QDateTime& last) {
  QDateTime now = clock_();
  now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));  // keys count whole seconds
  if (last.isValid() && now <= last) now = last.addSecs(1);
  last = now;
  return now;
}

QString SerialSource::TimestampKey() { return timestampText(nextAfter(lastTimestamp_)); }

QString SerialSource::PrescriptionSerial(const QString& stationCode) {
  return timestampText(nextAfter(lastSerial_)) + stationCode;
}

QDateTime SerialSource::NewPrescriptionTime() {
  QDateTime now = clock_();
  now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
  for (const QDateTime& last : {lastTimestamp_, lastSerial_})
    if (last.isValid() && now <= last) now = last.addSecs(1);
  lastTimestamp_ = now;
  lastSerial_ = now;
  return now;
}

}  // namespace text
