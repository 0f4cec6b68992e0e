// Two workstations (two processes on one data folder, each with its own, possibly stale,
// window state) dispensing, undoing and re-pricing three prescriptions over shared drugs
// in random order. Whatever the interleaving, every kept stock must equal what was
// shipped less what the stored sales lines took, and a prescription must be marked
// dispensed exactly when it has its one set of sales lines.
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "stations/DispensingStation.h"
#include "store/RecordsRepository.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QProcess>

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace prescription;
using namespace testing_support::dispensing_stress;

constexpr int kShipped = 100000;

// Rounds per program: a short run by default; TAVORIN_STRESS_ROUNDS asks for a longer one.
int roundsPerStation() {
  bool ok = false;
  const int rounds = qEnvironmentVariableIntValue("TAVORIN_STRESS_ROUNDS", &ok);
  return ok && rounds > 0 ? rounds : 100;
}

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

// Two copies of the program on one machine: one station code, one clock, so both give
// their new prescriptions the same numbers, second by second. Each saves, dispenses and
// undoes its own new prescriptions; whatever the interleaving, no record may replace
// another, and stock and sales lines must add up.
constexpr const char* kSameSecondVariable = "TAVORIN_STRESS_SAME_SECOND";  // "<data folder>|<program>"

int runSameSecondProgram(const QString& folder, int program) {
  std::mt19937 random(program);
  const QDir data(folder);
  const Dispensing dispensing(data.filePath(startup::kMainDbFile), data.filePath(startup::kStockDbFile),
                              data.filePath(startup::kNotifyFile));
  const PrescriptionSave save(data.filePath(startup::kMainDbFile), data.filePath(startup::kNotifyFile));
  using Fixture = testing_support::StockTest;
  int failures = 0;
  QStringList kept;  // "number|patient|mark" of every prescription this program stored
  for (int round = 0, rounds = roundsPerStation(); round < rounds; ++round) {
    // The number both programs give their prescription of this round.
    PrescriptionRecord window = Fixture::prescribed(nextSerial(QStringLiteral("20261210202802F776"), round), {});
    window.header[header::kName] = QStringLiteral("程序%1-%2").arg(program).arg(round);
    for (int r = 0, rows = 1 + random() % 3; r < rows; ++r) {
      const int d = random() % kDrugs.size();
      window.grid[r] = Fixture::row(kDrugs[d], QString::number(1 + random() % 5), kCategories[d]);
    }
    // The window learns only from its own results.
    const auto saved = [&](const SaveOutcome& outcome) {
      if (outcome.saved()) window = outcome.stored;
      else ++failures;
    };
    const auto done = [&](const DispenseOutcome& outcome) {
      if (outcome.done()) window = outcome.stored;
      else ++failures;
    };
    switch (random() % 4) {
      case 0:  // 保存, then 发药
        saved(save.save(window, false));
        done(dispensing.dispense(window, false));
        break;
      case 1:  // 发药 straight away
        done(dispensing.dispense(window, false));
        break;
      case 2:  // 保存 only
        saved(save.save(window, false));
        break;
      default:  // 发药, then 撤消发药
        done(dispensing.dispense(window, false));
        done(dispensing.undo(window, false));
        break;
    }
    if (window.loadedOrSaved) kept << window.serial + u'|' + window.header[header::kName] + u'|' + window.dispenseMark;
  }
  QFile out(data.filePath(QStringLiteral("program%1.txt").arg(program)));
  if (!out.open(QIODevice::WriteOnly) || out.write(kept.join(u'\n').toUtf8()) < 0) ++failures;
  return failures;
}

TEST(DispensingStressSameSecondProgram, Run) {
  const QStringList program = qEnvironmentVariable(kSameSecondVariable).split(u'|');
  if (program.size() != 2) GTEST_SKIP() << "runs only as a program of the stress test";
  EXPECT_EQ(runSameSecondProgram(program[0], program[1].toInt()), 0);
}

TEST_F(DispensingStressTest, TwoProgramsOnOneStationCodeNeverReplaceEachOthersRecords) {
  for (int d = 0; d < kDrugs.size(); ++d) addDrug(kDrugs[d], kCategories[d], QString::number(kShipped));

  QProcess programs[2];
  for (int i = 0; i < 2; ++i) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kSameSecondVariable, folder.path() + u'|' + QString::number(i + 1));
    programs[i].setProcessEnvironment(environment);
    programs[i].setProcessChannelMode(QProcess::MergedChannels);
    programs[i].start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=DispensingStressSameSecondProgram.Run")});
  }
  for (QProcess& program : programs) {
    ASSERT_TRUE(program.waitForFinished(120000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAll().toStdString();
  }

  // Every prescription a program stored is there, under its own number, as it left it.
  QHash<QString, QString> expected;  // number -> "patient|mark"
  for (int i = 1; i <= 2; ++i) {
    const QString lines = QString::fromUtf8(testing_support::readBytes(folder.sub(QStringLiteral("program%1.txt").arg(i))));
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
  store::RecordsRepository records(db);
  for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
    const std::optional<PrescriptionRecord> stored = records.record(it.key());
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
