// The outpatient log at 1,000,000 stored visits (300 a day): a range of exactly 30,000
// visits to the grid's first page, a one-year range refused by the cap, and the export
// of 30,000 rows, over records of the size the program saves (see MillionVisits.h).
#include "clinical/service/OutpatientLog.h"
#include "clinical/service/OutpatientLogSheet.h"
#include "grid/PagedGridState.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "support/MillionVisits.h"
#include "store/Database.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using bench_support::day;
using bench_support::storeOfAMillion;

// 100 days of 300 visits: exactly the 30,000 that are still listed.
const clinical::LogRange kThirtyThousand{day(1000), day(1099)};

void RangeOfThirtyThousandToTheFirstPage(benchmark::State& state) {
  store::Database db(storeOfAMillion(), store::Database::Mode::ReadOnly);
  int shown = 0;
  for (auto _ : state) {
    if (clinical::logCount(db, kThirtyThousand, clinical::kLogListLimit + 1) > clinical::kLogListLimit)
      state.SkipWithError("refused");
    std::vector<grid::Record> rows;
    for (const auto& r : clinical::logRecords(db, kThirtyThousand))
      rows.push_back({{r.name, r.sex, r.age, r.diagnosis, r.address, r.visitDate}, {}});
    grid::PagedGridState grid(grid::outpatientLogGrid());
    grid.setRecords(std::move(rows));
    shown = grid.recordCount();
    benchmark::DoNotOptimize(grid.cellText(0, 0));
  }
  state.counters["records"] = shown;
}
BENCHMARK(RangeOfThirtyThousandToTheFirstPage)->Unit(benchmark::kMillisecond);

void OneYearRefusedByTheCap(benchmark::State& state) {
  store::Database db(storeOfAMillion(), store::Database::Mode::ReadOnly);
  const clinical::LogRange year{day(1000), day(1364)};
  int counted = 0;
  for (auto _ : state) counted = clinical::logCount(db, year, clinical::kLogListLimit + 1);
  state.counters["counted"] = counted;
}
BENCHMARK(OneYearRefusedByTheCap)->Unit(benchmark::kMillisecond);

void ExportOfThirtyThousandRows(benchmark::State& state) {
  store::Database db(storeOfAMillion(), store::Database::Mode::ReadOnly);
  QTemporaryDir out;
  const QString file = QDir(out.path()).filePath(QStringLiteral("log.xls"));
  for (auto _ : state) {
    const auto records = clinical::logRecords(db, kThirtyThousand);
    if (!spreadsheet::SpreadsheetWriter::save(clinical::outpatientLogWorkbook(records), file).ok)
      state.SkipWithError("not written");
  }
}
BENCHMARK(ExportOfThirtyThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace
