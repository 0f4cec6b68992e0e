// One workstation of the dispensing stress test, run as a process of its own by that test:
//   tavorin-dispensing-station <data folder> <seed>
// It dispenses, undoes and re-prices the shared prescriptions in an order drawn from the
// seed, keeping its own, possibly stale, window state of each, and exits with 0 when no
// operation failed, 1 when some did, 2 when called wrongly.
#include "stations/DispensingStation.h"
#include "stations/StationProgram.h"

#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"

#include <QDir>
#include <QHash>

#include <random>

namespace {

using testing_support::stations::roundsPerStation;

using namespace prescription;
using namespace testing_support::dispensing_stress;
using Fixture = testing_support::StockTest;

// One workstation's session; the number of operations that failed.
int runStation(const QString& folder, unsigned seed) {
  std::mt19937 random(seed);
  const QDir data(folder);
  const Dispensing service(data.filePath(startup::kMainDbFile), data.filePath(startup::kStockDbFile),
                           data.filePath(startup::kNotifyFile));
  // This station's window state of each prescription; it learns only from its own results.
  QHash<QString, PrescriptionRecord> windows;
  for (const QString& serial : kSerials)  // loaded from the history list
    windows[serial] = Fixture::loaded(Fixture::prescribed(serial, {Fixture::row(kDrugs[0], "1", kCategories[0]),
                                                                   Fixture::row(kFeeName, "1", kFee)}));
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
        window.grid[3] = Fixture::row(kFeeName, "1", kFee);
        break;
      }
    }
  }
  return failures;
}

}  // namespace

int main(int argc, char** argv) {
  return testing_support::stations::stationMain(argc, argv, "tavorin-dispensing-station <data folder> <seed>", [](const QString& folder, unsigned seed) {
    const int failures = runStation(folder, seed);
    return failures > 0 ? QStringList{QStringLiteral("%1 operations failed").arg(failures)} : QStringList{};
  });
}
