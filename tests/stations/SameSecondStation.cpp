// One copy of the program in the same-second stress test, run as a process of its own:
//   tavorin-same-second-station <data folder> <program number>
// Two copies share one station code and one clock, so they give their new prescriptions the
// same numbers. Each saves, dispenses and undoes its own new prescriptions in an order drawn
// from its number, lists what it stored in the data folder for the test to check, and exits
// with 0 when no operation failed, 1 when some did, 2 when called wrongly.
#include "stations/DispensingStation.h"
#include "stations/StationProgram.h"
#include "stations/SameSecondStation.h"

#include "prescription/service/Dispensing.h"
#include "prescription/service/PrescriptionSave.h"
#include "prescription/service/StockFixture.h"

#include <QDir>
#include <QFile>

#include <random>

namespace {

using testing_support::stations::roundsPerStation;

using namespace prescription;
using namespace testing_support::dispensing_stress;
using namespace testing_support::same_second_stress;
using Fixture = testing_support::StockTest;

// One copy's session; what failed, one line each.
QStringList runProgram(const QString& folder, int program) {
  std::mt19937 random(program);
  const QDir data(folder);
  const Dispensing dispensing(data.filePath(startup::kMainDbFile), data.filePath(startup::kStockDbFile),
                              data.filePath(startup::kNotifyFile));
  const PrescriptionSave save(data.filePath(startup::kMainDbFile), data.filePath(startup::kNotifyFile));
  QStringList failures;
  QStringList kept;  // "number|patient|mark" of every prescription this program stored
  for (int round = 0, rounds = roundsPerStation(); round < rounds; ++round) {
    // The number both programs give their prescription of this round.
    PrescriptionRecord window = Fixture::prescribed(nextSerial(kFirstSerial, round), {});
    window.header[header::kName] = QStringLiteral("程序%1-%2").arg(program).arg(round);
    for (int r = 0, rows = 1 + random() % 3; r < rows; ++r) {
      const int d = random() % kDrugs.size();
      window.grid[r] = Fixture::row(kDrugs[d], QString::number(1 + random() % 5), kCategories[d]);
    }
    // The window learns only from its own results.
    const auto saved = [&](const SaveOutcome& outcome) {
      if (outcome.saved()) window = outcome.stored;
      else failures << QStringLiteral("save %1: %2").arg(window.serial, outcome.message);
    };
    const auto done = [&](const char* what, const DispenseOutcome& outcome) {
      if (outcome.done()) window = outcome.stored;
      else failures << QStringLiteral("%1 %2: %3").arg(QLatin1String(what), window.serial, outcome.message);
    };
    switch (random() % 4) {
      case 0:  // 保存, then 发药
        saved(save.save(window, false));
        done("dispense", dispensing.dispense(window, false));
        break;
      case 1:  // 发药 straight away
        done("dispense", dispensing.dispense(window, false));
        break;
      case 2:  // 保存 only
        saved(save.save(window, false));
        break;
      default:  // 发药, then 撤消发药
        done("dispense", dispensing.dispense(window, false));
        done("undo", dispensing.undo(window, false));
        break;
    }
    if (window.loadedOrSaved) kept << window.serial + u'|' + window.header[header::kName] + u'|' + window.dispenseMark;
  }
  QFile out(data.filePath(keptFile(program)));
  if (!out.open(QIODevice::WriteOnly) || out.write(kept.join(u'\n').toUtf8()) < 0)
    failures << "writing " + out.fileName() + ": " + out.errorString();
  return failures;
}

}  // namespace

int main(int argc, char** argv) {
  return testing_support::stations::stationMain(argc, argv, "tavorin-same-second-station <data folder> <program number>", [](const QString& folder, unsigned program) { return runProgram(folder, static_cast<int>(program)); });
}
