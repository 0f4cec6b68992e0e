// Pricing and dispensing at clinic scale and beyond: a 20-line prescription priced
// against 100,000 catalogue rows and saved, and the same prescription dispensed and
// undone against an inventory file of 5,000,000 sales lines (each one durable commit over
// the main and inventory files). The files are made in TAVORIN_BENCH_DISPENSE (the sales
// lines reused by later runs given the same folder), or in a fresh folder of the run
// without it.
#include "prescription/service/AutomaticPricing.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/PrescriptionSave.h"
#include "prescription/service/PrescriptionState.h"
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/BenchFolder.h"
#include "support/ClinicInventory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

namespace {

using namespace prescription;

constexpr int kCatalogueRows = 100000;
constexpr int kSalesLines = 5000000;
constexpr int kLines = 20;

QString folder() { return bench_support::benchFolder("TAVORIN_BENCH_DISPENSE"); }
QString file(const QString& name) { return QDir(folder()).filePath(name); }

QString drugName(int i) { return QStringLiteral("测试药品%1胶囊").arg(i); }

PrescriptionState twentyLines();

// A fresh main file with 100,000 western drugs of kept stock, an inventory file of a
// clinic's 5,000,000 sales lines over ten years (made once for the folder, and kept
// without the benchmark's own), and the start-up's indexes.
void makeStore() {
  static bool made = false;
  if (made) return;
  const QString salesReady = file(QStringLiteral("sales-ready"));
  if (QFileInfo::exists(salesReady)) {
    QFile::remove(file(startup::kMainDbFile));
  } else {
    QDir(folder()).removeRecursively();
    QDir().mkpath(folder());
  }
  startup::writeMissingTemplates(folder());
  {
    store::Database stock(file(startup::kStockDbFile));
    if (!QFileInfo::exists(salesReady)) {
      bench_support::addSalesLines(stock, kSalesLines, QDate(2015, 1, 1), QDate(2024, 12, 31));
      QFile(salesReady).open(QIODevice::WriteOnly);
    }
    SQLite::Statement own(stock.sql(), R"(DELETE FROM "销售管理" WHERE "ID号" = ?)");
    store::bindText(own, 1, twentyLines().number);
    own.exec();
  }
  {
    store::Database db(file(startup::kMainDbFile));
    SQLite::Transaction fill(db.sql());
    db.sql().exec(R"(DELETE FROM "商品")");
    SQLite::Statement insert(db.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "单位", "单价", "备用1", "备用2", "分类", "斗位")
                                          VALUES (?, ?, '盒', '6.25', '4.80', 'A1', '西成药·抗生素', '1000000'))");
    for (int i = 0; i < kCatalogueRows; ++i) {
      store::bindText(insert, 1, QString::number(i));
      store::bindText(insert, 2, drugName(i));
      insert.exec();
      insert.reset();
    }
    fill.commit();
  }
  startup::ensureQueryIndexes(file(startup::kMainDbFile), file(startup::kStockDbFile));
  made = true;
}

PrescriptionState twentyLines() {
  PrescriptionState state;
  state.header.fill(QStringLiteral(""));
  state.header[header::kName] = QStringLiteral("张三");
  state.header[header::kAge] = QStringLiteral("35");
  state.header[header::kDate] = QStringLiteral("2024-03-05");
  state.number = QStringLiteral("20240305101500BENCH");
  for (int i = 0; i < kLines; ++i)
    state.text += QStringLiteral("%1. %2 0.25g×24粒×2\r\n").arg(i + 1).arg(drugName(i * 4999));
  return state;
}

PrescriptionRecord recordOf(const PrescriptionState& state) {
  PrescriptionRecord r;
  r.serial = state.number;
  r.header = state.header;
  r.prescriptionText = state.text;
  r.doses = state.doses;
  r.dispenseMark = state.dispenseMark;
  r.grid = state.grid;
  return r;
}

void PriceTwentyLinesAndSave(benchmark::State& bench) {
  makeStore();
  const AutomaticPricing pricing(file(startup::kMainDbFile));
  const PrescriptionSave save(file(startup::kMainDbFile), file(startup::kNotifyFile));
  for (auto _ : bench) {
    PrescriptionState state = twentyLines();
    if (!pricing.price(state).priced || state.grid[kLines - 1][kName].isEmpty()) bench.SkipWithError("not priced");
    PrescriptionRecord record = recordOf(state);
    record.loadedOrSaved = true;  // the window's own prescription, saved again
    if (!save.save(record, false).saved()) bench.SkipWithError("not saved");
  }
}
BENCHMARK(PriceTwentyLinesAndSave)->Unit(benchmark::kMillisecond);

void PriceTwentyLines(benchmark::State& bench) {
  makeStore();
  const AutomaticPricing pricing(file(startup::kMainDbFile));
  for (auto _ : bench) {
    PrescriptionState state = twentyLines();
    benchmark::DoNotOptimize(pricing.price(state));
  }
}
BENCHMARK(PriceTwentyLines)->Unit(benchmark::kMillisecond);

// One 发药 or one 撤消发药 of the priced 20-line prescription, in turn.
void DispenseTwentyLines(benchmark::State& bench) {
  makeStore();
  PrescriptionState state = twentyLines();
  AutomaticPricing(file(startup::kMainDbFile)).price(state);
  const Dispensing dispensing(file(startup::kMainDbFile), file(startup::kStockDbFile), file(startup::kNotifyFile));
  PrescriptionRecord window = recordOf(state);
  for (auto _ : bench) {
    const DispenseOutcome outcome = window.dispenseMark.isEmpty() ? dispensing.dispense(window, false)
                                                                  : dispensing.undo(window, false);
    if (!outcome.done()) bench.SkipWithError("not dispensed");
    window = outcome.stored;
  }
}
BENCHMARK(DispenseTwentyLines)->Unit(benchmark::kMillisecond);

}  // namespace
