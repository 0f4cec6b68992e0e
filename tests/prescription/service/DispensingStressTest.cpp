// Two workstations (two processes on one data folder, each with its own, possibly stale,
// window state) dispensing, undoing and re-pricing three prescriptions over shared drugs
// in random order. Whatever the interleaving, every kept stock must equal what was
// shipped less what the stored sales lines took, and a prescription must be marked
// dispensed exactly when it has its one set of sales lines.
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "stations/DispensingStation.h"
#include "store/RecordsRepository.h"

#include <QHash>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using namespace prescription;
using namespace testing_support::dispensing_stress;

constexpr int kShipped = 100000;

class DispensingStressTest : public testing_support::StockTest {};

TEST_F(DispensingStressTest, TwoStationsNeverTakeOrGiveBackTwice) {
  for (int d = 0; d < kDrugs.size(); ++d) addDrug(kDrugs[d], kCategories[d], QString::number(kShipped));
  addDrug(kFeeName, kFee, "");  // stock not kept

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
      const std::optional<PrescriptionRecord> stored = store::RecordsRepository(db).record(serial);
      ASSERT_TRUE(stored);
      EXPECT_EQ(lines.size(), salesLinesOf(*stored).size()) << "one set of lines, " << serial.toStdString();
    }
    for (const store::SalesLine& line : lines) taken[line.name] += line.quantity.toInt();
  }
  for (int d = 0; d < kDrugs.size(); ++d)
    EXPECT_EQ(kShipped - stockOf(kDrugs[d], kCategories[d]).toInt(), taken.value(kDrugs[d])) << kDrugs[d].toStdString();
  EXPECT_EQ(taken.value(kFeeName), dispensed) << "a line for the fee whose stock is not kept";
}

}  // namespace
