// Two workstations (two processes on one data folder, each with its own, possibly stale,
// window state) dispensing, undoing and re-pricing three prescriptions over shared drugs
// in random order. Whatever the interleaving, every kept stock must equal what was
// shipped less what the stored sales lines took, and a prescription must be marked
// dispensed exactly when it has its one set of sales lines.
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "store/RecordsRepository.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace prescription;
using testing_support::u16;

const QString kWestern = u16(u"西成药·抗生素");
const QString kHerb = u16(u"中药");
const QString kFee = u16(u"收费项目");
const QStringList kDrugs = {u16(u"阿莫西林胶囊"), u16(u"头孢克肟胶囊"), u16(u"布洛芬缓释胶囊"), u16(u"当归")};
const QStringList kCategories = {kWestern, kWestern, kWestern, kHerb};
const QStringList kSerials = {"S1", "S2", "S3"};
constexpr int kShipped = 100000;

// Set for a station process: "<data folder>|<seed>".
constexpr const char* kStationVariable = "TAVORIN_STRESS_STATION";

// Rounds per station: a short run by default; TAVORIN_STRESS_ROUNDS asks for a longer one.
int roundsPerStation() {
  bool ok = false;
  const int rounds = qEnvironmentVariableIntValue("TAVORIN_STRESS_ROUNDS", &ok);
  return ok && rounds > 0 ? rounds : 100;
}

// One workstation's session; the number of operations that failed.
int runStation(const QString& folder, unsigned seed) {
  std::mt19937 random(seed);
  const QDir data(folder);
  const Dispensing service(data.filePath(startup::kMainDbFile), data.filePath(startup::kStockDbFile),
                           data.filePath(startup::kNotifyFile));
  using Fixture = testing_support::StockTest;
  // This station's window state of each prescription; it learns only from its own results.
  QHash<QString, PrescriptionRecord> windows;
  for (const QString& serial : kSerials)
    windows[serial] = Fixture::prescribed(serial, {Fixture::row(kDrugs[0], "1", kCategories[0]),
                                                    Fixture::row(u16(u"挂号费"), "1", kFee)});
  int failures = 0;
  for (int round = 0, rounds = roundsPerStation(); round < rounds; ++round) {
    PrescriptionRecord& window = windows[kSerials[random() % kSerials.size()]];
    switch (random() % 3) {
      case 0: {  // 发药
        const DispenseOutcome outcome = service.dispense(window, false);
        if (outcome.done()) window = outcome.stored;
        else ++failures;
        break;
      }
      case 1: {  // 撤消发药
        const DispenseOutcome outcome = service.undo(window, false);
        if (outcome.done()) window = outcome.stored;
        else if (outcome.result != DispenseOutcome::Result::Skipped) ++failures;
        break;
      }
      default: {  // 自动划价 again: other drugs, other whole quantities
        for (int r = 0; r < 3; ++r) {
          const int d = random() % kDrugs.size();
          window.grid[r] = Fixture::row(kDrugs[d], QString::number(1 + random() % 5), kCategories[d]);
        }
        window.grid[3] = Fixture::row(u16(u"挂号费"), "1", kFee);
        break;
      }
    }
  }
  return failures;
}

// The body of a station process; skipped when the test program runs on its own.
TEST(DispensingStressStation, Run) {
  const QStringList station = qEnvironmentVariable(kStationVariable).split(u'|');
  if (station.size() != 2) GTEST_SKIP() << "runs only as a station of the stress test";
  EXPECT_EQ(runStation(station[0], station[1].toUInt()), 0);
}

class DispensingStressTest : public testing_support::StockTest {};

TEST_F(DispensingStressTest, TwoStationsNeverTakeOrGiveBackTwice) {
  for (int d = 0; d < kDrugs.size(); ++d) addDrug(kDrugs[d], kCategories[d], QString::number(kShipped));
  addDrug(u16(u"挂号费"), kFee, "");  // stock not kept

  QProcess stations[2];
  for (int i = 0; i < 2; ++i) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kStationVariable, folder.path() + u'|' + QString::number(i + 1));
    stations[i].setProcessEnvironment(environment);
    stations[i].setProcessChannelMode(QProcess::MergedChannels);
    stations[i].start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=DispensingStressStation.Run")});
  }
  for (QProcess& station : stations) {
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
  EXPECT_EQ(taken.value(u16(u"挂号费")), dispensed) << "a line for the fee whose stock is not kept";
}

}  // namespace
