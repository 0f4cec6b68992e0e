// Prescription records at clinic scale: the save of a 20-line priced prescription, the
// "今日患者" and "历史处方" lists and the load, on a main file of 1,000,000 records over
// ten years (about 275 a day). The file is generated into TAVORIN_BENCH_RECORDS and
// reused by later runs given the same folder; without it, into a fresh folder of the run.
#include "prescription/service/HistoryList.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/PrescriptionSave.h"
#include "prescription/service/PricingGridPacking.h"
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/TenYearsOfRecords.h"
#include "text/Dates.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"

#include <QDir>
#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

using namespace prescription;
using bench_support::typedRecord;

using bench_support::kLastDay;
using bench_support::patientName;

QString folder() { return bench_support::recordsFolder(); }
QString mainDb() { return bench_support::recordsMainDb(); }
QString counterFile() { return QDir(folder()).filePath(startup::kNotifyFile); }
void ensureStore() { bench_support::ensureRecords(); }

void SaveTwentyLinePrescription(benchmark::State& state) {
  ensureStore();
  const PrescriptionSave save(mainDb(), counterFile(), [] { return kLastDay; });
  int n = 0;
  for (auto _ : state) {
    const PrescriptionRecord r = typedRecord(QStringLiteral("20241231235959B%1").arg(n++), QStringLiteral("张三丰"), kLastDay, 20);
    if (!save.save(r, false).saved()) state.SkipWithError("save failed");
  }
  // Keep the generated store as it was for the next run.
  store::Database(mainDb()).exec(R"(DELETE FROM "档案" WHERE "序号" LIKE '20241231235959B%')");
}
BENCHMARK(SaveTwentyLinePrescription)->Unit(benchmark::kMillisecond);

// The number a new prescription is stored under when its own and the next seconds are
// taken (two copies of the program on one station code with a clock that stands still):
// a run of `range(0)` taken seconds to walk past, among the store's million records.
void NumberAfterARunOfTakenSeconds(benchmark::State& state) {
  ensureStore();
  const int run = static_cast<int>(state.range(0));
  const QString first = QStringLiteral("20241231120000F776");
  {
    store::Database db(mainDb());
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement insert(db.sql(), bench_support::kInsertRecord);
    QString serial = first;
    for (int i = 0; i <= run; ++i, serial = nextSerial(serial))
      bench_support::insertRecord(insert, typedRecord(serial, patientName(i), kLastDay, 6), "");
    transaction.commit();
  }
  PrescriptionRecord shown;
  shown.serial = first;
  QString found;
  {
    store::Database db(mainDb());
    for (auto _ : state) {
      SQLite::Transaction transaction(db.sql());  // rolled back: the run stays as it is
      found = serialToStore(db, shown, nullptr);
    }
  }
  if (found != nextSerial(first, run + 1)) state.SkipWithError("not the first free second");
  store::Database(mainDb()).exec(R"(DELETE FROM "档案" WHERE "序号" LIKE '20241231%F776')");
}
BENCHMARK(NumberAfterARunOfTakenSeconds)->Arg(10)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

void TodaysPatients(benchmark::State& state) {
  ensureStore();
  const HistoryList list(mainDb());
  size_t items = 0;
  for (auto _ : state) items = list.query(todaysPatients(kLastDay)).items.size();
  state.counters["items"] = double(items);
}
BENCHMARK(TodaysPatients)->Unit(benchmark::kMillisecond);

// The searches a physician types into the history's name box, over ten years: a whole
// name, its initials, and the short texts whose matches run into the tens of thousands.
struct Search {
  const char* label;
  QString text;
};
Search historySearch(int which) {
  switch (which) {
    case 0: return {"name", patientName(1234)};
    case 1: return {"initials", text::PinyinInitials(patientName(1234))};
    case 2: return {"one character", QStringLiteral("王")};
    case 3: return {"two characters", QStringLiteral("王伟")};
    case 4: return {"one letter", QStringLiteral("w")};
    default: return {"two letters", QStringLiteral("ww")};
  }
}

void PatientHistoryOverTenYears(benchmark::State& state) {
  ensureStore();
  const HistoryList list(mainDb());
  const Search search = historySearch(static_cast<int>(state.range(0)));
  const HistoryWindow window = searchTyped(HistoryWindow{}, search.text, kLastDay);
  size_t items = 0;
  for (auto _ : state) items = list.query(window).items.size();
  state.counters["items"] = double(items);
  state.SetLabel(search.label);
}
BENCHMARK(PatientHistoryOverTenYears)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

void LoadRecord(benchmark::State& state) {
  ensureStore();
  const HistoryList list(mainDb());
  const std::vector<HistoryItem> items = list.query(todaysPatients(kLastDay.addYears(-5))).items;
  if (items.empty()) {
    state.SkipWithError("no records listed");
    return;
  }
  const PrescriptionLoad load(mainDb());
  for (auto _ : state) {
    if (!load.load(items[items.size() / 2].serial).loaded()) state.SkipWithError("load failed");
  }
}
BENCHMARK(LoadRecord)->Unit(benchmark::kMillisecond);

}  // namespace
