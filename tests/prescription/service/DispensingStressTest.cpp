// Two workstations (threads, each with its own connections and its own, possibly stale,
// window state) dispensing, undoing and re-pricing three prescriptions over shared drugs
// in random order. Whatever the interleaving, every kept stock must equal what was
// shipped less what the stored sales lines took, and a prescription must be marked
// dispensed exactly when it has its one set of sales lines.
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "store/DataFile.h"
#include "store/RecordsRepository.h"

#include <QHash>

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

namespace {

using namespace prescription;
using testing_support::u16;

const QString kWestern = u16(u"西成药·抗生素");
const QString kHerb = u16(u"中药");
constexpr int kShipped = 100000;
// Rounds per station: a short run by default; TAVORIN_STRESS_ROUNDS asks for a longer one.
int roundsPerStation() {
  bool ok = false;
  const int rounds = qEnvironmentVariableIntValue("TAVORIN_STRESS_ROUNDS", &ok);
  return ok && rounds > 0 ? rounds : 80;
}

class DispensingStressTest : public testing_support::StockTest {};

TEST_F(DispensingStressTest, TwoStationsNeverTakeOrGiveBackTwice) {
  const QStringList drugs = {u16(u"阿莫西林胶囊"), u16(u"头孢克肟胶囊"), u16(u"布洛芬缓释胶囊"), u16(u"当归")};
  const QStringList categories = {kWestern, kWestern, kWestern, kHerb};
  for (int d = 0; d < drugs.size(); ++d) addDrug(drugs[d], categories[d], QString::number(kShipped));
  addDrug(u16(u"挂号费"), u16(u"收费项目"), "");  // stock not kept
  const QStringList serials = {"S1", "S2", "S3"};

  std::atomic<int> failures{0};
  std::atomic<int> dispensed{0};
  const auto station = [&](unsigned seed) {
    std::mt19937 random(seed);
    const Dispensing service = dispensing();
    // This station's window state of each prescription; it learns only from its own results.
    QHash<QString, PrescriptionRecord> windows;
    for (const QString& serial : serials) {
      windows[serial] = prescribed(serial, {row(drugs[0], "1", categories[0]), row(u16(u"挂号费"), "1", u16(u"收费项目"))});
    }
    for (int round = 0, rounds = roundsPerStation(); round < rounds; ++round) {
      PrescriptionRecord& window = windows[serials[random() % serials.size()]];
      switch (random() % 3) {
        case 0: {  // 发药
          const DispenseOutcome outcome = service.dispense(window, false);
          if (!outcome.done()) ++failures;
          else {
            window = outcome.stored;
            ++dispensed;
          }
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
            const int d = random() % drugs.size();
            window.grid[r] = row(drugs[d], QString::number(1 + random() % 5), categories[d]);
          }
          window.grid[3] = row(u16(u"挂号费"), "1", u16(u"收费项目"));
          break;
        }
      }
    }
  };
  std::thread first(station, 1u), second(station, 2u);
  first.join();
  second.join();
  EXPECT_EQ(failures.load(), 0);
  EXPECT_GT(dispensed.load(), 0);

  QHash<QString, int> taken;  // by name: every drug here has one catalogue row
  for (const QString& serial : serials) {
    const std::vector<store::SalesLine> lines = salesOf(serial);
    const bool marked = storedMark(serial) == kDispensedMark;
    EXPECT_EQ(marked, !lines.empty()) << serial.toStdString();
    if (marked) {
      const std::optional<PrescriptionRecord> stored = [&] {
        store::Database db(mainDb, store::Database::Mode::ReadOnly);
        return store::RecordsRepository(db).record(serial);
      }();
      ASSERT_TRUE(stored);
      EXPECT_EQ(lines.size(), salesLinesOf(*stored).size()) << "one set of lines, " << serial.toStdString();
    }
    for (const store::SalesLine& line : lines) taken[line.name] += line.quantity.toInt();
  }
  for (int d = 0; d < drugs.size(); ++d)
    EXPECT_EQ(kShipped - stockOf(drugs[d], categories[d]).toInt(), taken.value(drugs[d])) << drugs[d].toStdString();
}

}  // namespace
