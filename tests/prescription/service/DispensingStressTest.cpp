// Two workstations (two processes on one data folder, each with its own, possibly stale,
// window state) dispensing, undoing and re-pricing three prescriptions over shared drugs
// in random order. Whatever the interleaving, every kept stock must equal what was
// shipped less what the stored sales lines took, and a prescription must be marked
// dispensed exactly when it has its one set of sales lines.
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "prescription/service/StoredRecord.h"
#include "stations/DispensingStation.h"
#include "stations/SameSecondStation.h"

#include <QHash>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using namespace prescription;
using namespace testing_support::dispensing_stress;
namespace same_second_stress = testing_support::same_second_stress;

constexpr int kShipped = 100000;

class DispensingStressTest : public testing_support::StockTest {};

TEST_F(DispensingStressTest, TwoStationsNeverTakeOrGiveBackTwice) {
  for (int d = 0; d < kDrugs.size(); ++d) addDrug(kDrugs[d], kCategories[d], QString::number(kShipped));
  addDrug(kFeeName, kFee, "");  // stock not kept
  for (const QString& serial : kSerials)  // saved before both stations load them
    ASSERT_TRUE(saver().save(prescribed(serial, {row(kDrugs[0], "1", kCategories[0])}), false).saved());

  // The station program is built beside this one (stations/DispensingStation.cpp).
  QProcess stations[2];
  for (int i = 0; i < 2; ++i) {
    stations[i].setProcessChannelMode(QProcess::MergedChannels);
    stations[i].start(QStringLiteral(TAVORIN_DISPENSING_STATION), {folder.path(), QString::number(i + 1)});
  }
  for (QProcess& station : stations) {
    ASSERT_TRUE(station.waitForStarted()) << station.errorString().toStdString();
    ASSERT_TRUE(station.waitForFinished(120000));
    EXPECT_EQ(station.exitCode(), 0) << station.readAll().toStdString();
  }

  QHash<QString, int> taken;  // by name: every drug here has one catalogue row
  int dispensed = 0;
  for (const QString& serial : kSerials) {
    const std::vector<store::SalesLine> lines = salesOf(serial);
    const bool marked = storedMark(serial) == kDispensedMark;
    EXPECT_EQ(marked, !lines.empty()) << serial.toStdString();
    if (marked) {
      ++dispensed;
      store::Database db(mainDb, store::Database::Mode::ReadOnly);
      const std::optional<PrescriptionRecord> stored = prescription::storedRecord(db, serial);
      ASSERT_TRUE(stored);
      EXPECT_EQ(lines.size(), salesLinesOf(*stored).size()) << "one set of lines, " << serial.toStdString();
    }
    for (const store::SalesLine& line : lines) taken[line.name] += line.quantity.toInt();
  }
  for (int d = 0; d < kDrugs.size(); ++d)
    EXPECT_EQ(kShipped - stockOf(kDrugs[d], kCategories[d]).toInt(), taken.value(kDrugs[d])) << kDrugs[d].toStdString();
  EXPECT_EQ(taken.value(kFeeName), dispensed) << "a line for the fee whose stock is not kept";
}

// Two copies of the program on one machine: one station code, one clock, so both give
// their new prescriptions the same numbers, second by second. Each saves, dispenses and
// undoes its own new prescriptions; whatever the interleaving, no record may replace
// another, and stock and sales lines must add up.
TEST_F(DispensingStressTest, TwoProgramsOnOneStationCodeNeverReplaceEachOthersRecords) {
  for (int d = 0; d < kDrugs.size(); ++d) addDrug(kDrugs[d], kCategories[d], QString::number(kShipped));

  // The program copies are built beside this one (stations/SameSecondStation.cpp).
  QProcess programs[2];
  for (int i = 0; i < 2; ++i) {
    programs[i].setProcessChannelMode(QProcess::MergedChannels);
    programs[i].start(QStringLiteral(TAVORIN_SAME_SECOND_STATION), {folder.path(), QString::number(i + 1)});
  }
  for (QProcess& program : programs) {
    ASSERT_TRUE(program.waitForStarted()) << program.errorString().toStdString();
    ASSERT_TRUE(program.waitForFinished(120000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAll().toStdString();
  }

  // Every prescription a program stored is there, under its own number, as it left it.
  QHash<QString, QString> expected;  // number -> "patient|mark"
  for (int i = 1; i <= 2; ++i) {
    const QString lines = QString::fromUtf8(testing_support::readBytes(folder.sub(same_second_stress::keptFile(i))));
    for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts)) {
      const QString number = line.section(u'|', 0, 0);
      EXPECT_FALSE(expected.contains(number)) << "two programs stored " << number.toStdString();
      expected[number] = line.section(u'|', 1);
    }
  }
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(values(R"(SELECT count(*) FROM "档案")"), QStringList{QString::number(expected.size())}) << "no record lost";
  EXPECT_TRUE(values(R"(SELECT "序号" FROM "档案" GROUP BY "序号" HAVING count(*) > 1)").isEmpty());

  QHash<QString, int> taken;
  store::Database db(mainDb, store::Database::Mode::ReadOnly);
  for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
    const std::optional<PrescriptionRecord> stored = prescription::storedRecord(db, it.key());
    ASSERT_TRUE(stored) << it.key().toStdString();
    EXPECT_EQ(stored->header[header::kName] + u'|' + stored->dispenseMark, it.value()) << it.key().toStdString();
    const std::vector<store::SalesLine> lines = salesOf(it.key());
    const bool marked = stored->dispenseMark == kDispensedMark;
    EXPECT_EQ(lines.size(), marked ? salesLinesOf(*stored).size() : 0u) << "exactly its lines, " << it.key().toStdString();
    for (const store::SalesLine& line : lines) {
      EXPECT_EQ(line.patient, stored->header[header::kName]);
      taken[line.name] += line.quantity.toInt();
    }
  }
  {
    store::Database stock(stockDb, store::Database::Mode::ReadOnly);
    SQLite::Statement all(stock.sql(), R"(SELECT count(*) FROM "销售管理")");
    ASSERT_TRUE(all.executeStep());
    int lines = 0;
    for (const QString& number : expected.keys()) lines += static_cast<int>(salesOf(number).size());
    EXPECT_EQ(all.getColumn(0).getInt(), lines) << "no sales line under a number without its record";
  }
  for (int d = 0; d < kDrugs.size(); ++d)
    EXPECT_EQ(kShipped - stockOf(kDrugs[d], kCategories[d]).toInt(), taken.value(kDrugs[d])) << kDrugs[d].toStdString();
}

}  // namespace
