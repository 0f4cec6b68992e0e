// Time-based keys never repeat and never go back, whatever the clock does.
#include "text/Serials.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

// A clock that plays the given times, one per reading.
text::SerialSource::Clock playing(QList<QDateTime> times) {
  return [times, i = qsizetype(0)]() mutable { return times.at(std::min(i++, times.size() - 1)); };
}

const QDateTime kT0(QDate(2024, 3, 5), QTime(9, 30, 15, 200));

TEST(SerialSource, NeverIssuesAKeyEqualToOrEarlierThanTheLast) {
  struct Step {
    QDateTime clock;
    const char* key;
  };
  const Step steps[] = {
      {kT0, "20240305093015"},
      {kT0, "20240305093016"},                // the same second: one second later
      {kT0.addMSecs(700), "20240305093017"},  // the next second, already used
      {kT0.addSecs(-3600), "20240305093018"}, // the clock was set back
      {kT0.addSecs(10), "20240305093025"},    // the clock is ahead again
      {QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)), "20240305235959"},
      {QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)), "20240306000000"},  // into the next day
  };
  QList<QDateTime> times;
  for (const Step& s : steps) times.append(s.clock);
  text::SerialSource source(playing(times));
  for (const Step& s : steps) EXPECT_EQ(source.TimestampKey(), s.key);
}

TEST(SerialSource, PrescriptionSerialsEndWithTheStationAndKeepTheirOwnOrder) {
  text::SerialSource source(playing({kT0, kT0, kT0, kT0}));
  // Each kind of key reads the clock for itself, as a new prescription's record number
  // and its prescription number do; neither makes the other skip a second.
  EXPECT_EQ(source.TimestampKey(), "20240305093015");
  EXPECT_EQ(source.PrescriptionSerial("A1B2"), "20240305093015A1B2");
  EXPECT_EQ(source.PrescriptionSerial("A1B2"), "20240305093016A1B2");
  EXPECT_EQ(source.TimestampKey(), "20240305093016");
}

TEST(SerialSource, ANewPrescriptionTakesOneInstantAfterEveryKeyAndNumber) {
  // The clock is read once; the instant is later than the last key and the last number,
  // whichever of them ran ahead, and both kinds go on after it.
  text::SerialSource source(playing({kT0, kT0, kT0, kT0, kT0.addSecs(-60), kT0}));
  EXPECT_EQ(source.TimestampKey(), "20240305093015");
  EXPECT_EQ(source.TimestampKey(), "20240305093016");
  EXPECT_EQ(source.PrescriptionSerial("X"), "20240305093015X");
  EXPECT_EQ(source.NewPrescriptionTime(), QDateTime(QDate(2024, 3, 5), QTime(9, 30, 17)));
  EXPECT_EQ(source.NewPrescriptionTime(), QDateTime(QDate(2024, 3, 5), QTime(9, 30, 18)));  // clock set back
  EXPECT_EQ(source.PrescriptionSerial("X"), "20240305093019X");
}

TEST(SerialSource, ReadsTheSystemClockByDefault) {
  text::SerialSource source;
  const QString before = QDateTime::currentDateTime().toString("yyyyMMddHHmmss");
  const QString key = source.TimestampKey();
  ASSERT_EQ(key.size(), 14);
  EXPECT_GE(key, before);
  EXPECT_GT(source.TimestampKey(), key);
}

}  // namespace
