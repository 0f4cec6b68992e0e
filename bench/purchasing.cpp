// Purchasing at clinic scale, over an inventory file of 1,000,000 receipts over ten years
// (about 275 a day, 400 drugs, two categories): purchase statistics summing 32 days of one
// category, and the ledger's query button refusing a year of one category (about 50,000
// receipts, more than the ledger lists). The file is generated into
// TAVORIN_BENCH_PURCHASES and reused by later runs given the same folder; without it, into
// a fresh folder of the run.
#include "purchasing/PurchaseLedgerWindow.h"
#include "purchasing/service/PurchaseStatistics.h"
#include "shell/Windows.h"
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/QueryIndexes.h"
#include "support/BenchFolder.h"
#include "support/ClinicInventory.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"
#include "text/Dates.h"
#include "ui/Session.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kReceipts = 1000000;
const QDate kLastDay(2024, 12, 31);
const QDate kFirstDay = kLastDay.addYears(-10).addDays(1);

QString folder() {
  return bench_support::benchFolder("TAVORIN_BENCH_PURCHASES");
}
QString stockDb() { return QDir(folder()).filePath(startup::kStockDbFile); }

void generate() {
  const QString ready = QDir(folder()).filePath(QStringLiteral("ready"));
  if (QFileInfo::exists(ready)) {
    // As start-up does on an existing file: today's query indexes.
    store::Database db(stockDb());
    store::ensureStockIndexes(db);
    return;
  }
  QDir().mkpath(folder());
  QFile::remove(stockDb());
  startup::writeMissingTemplates(folder());
  {
    store::Database db(stockDb());
    store::ensureStockIndexes(db);
    bench_support::addReceipts(db, kReceipts, kFirstDay, kLastDay);
  }
  QFile marker(ready);
  marker.open(QIODevice::WriteOnly);
}

void BM_PurchaseStatistics32Days(benchmark::State& state) {
  generate();
  const purchasing::DateRange range{QDate(2024, 6, 1), QDate(2024, 7, 3)};
  std::size_t lines = 0;
  for (auto _ : state) {
    const auto result = purchasing::purchaseStatistics(stockDb(), QStringLiteral("中药"), range);
    lines = result.size();
    benchmark::DoNotOptimize(lines);
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_PurchaseStatistics32Days)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The ledger's "查询" over a year of "中药": the count says more than the ledger lists, so
// the window refuses the range with its message and lists nothing.
void LedgerRefusesARangeOverTheCap(benchmark::State& state) {
  generate();
  QTemporaryDir dir;
  const startup::StartupEnvironment env = bench_support::environmentIn(dir.path(), "BE01");
  testing_support::ScriptedDialogs dialogs;
  startup::AppState appState = *startup::Main(env, dialogs);
  appState.stockDbPath = stockDb();
  auto session = std::make_unique<ui::Session>(appState, dialogs);
  shell::defineWindows(*session);
  purchasing::PurchaseLedgerWindow& ledger = session->windows.get<purchasing::PurchaseLedgerWindow>();
  ledger.Combo1->setCurrentText(QStringLiteral("中药"));
  ledger.Text3->setText(QStringLiteral("2024-01-01"));
  ledger.Text4->setText(QStringLiteral("2024-12-31"));
  dialogs.messages.clear();
  for (auto _ : state) ledger.Command3_Click();
  if (dialogs.messages.size() != static_cast<qsizetype>(state.iterations()) ||
      dialogs.messages.value(0).text != purchasing::kTooManyMessage || !ledger.receipts().empty())
    state.SkipWithError("the range was not refused");
}
BENCHMARK(LedgerRefusesARangeOverTheCap)->Arg(kReceipts)->Unit(benchmark::kMillisecond);

}  // namespace
