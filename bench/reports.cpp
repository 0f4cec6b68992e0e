// The reports at clinic scale: drug sales over 32 days and the sales-detail list on an
// inventory file of 5,000,000 sales lines over ten years; the workload over ten years on
// a main file of 1,000,000 prescriptions. The files are generated once into
// TAVORIN_BENCH_REPORTS (default /tmp/tavorin-bench-reports) and reused by later runs.
#include "reports/service/DrugSales.h"
#include "reports/service/SalesDetail.h"
#include "reports/service/Workload.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/QueryIndexes.h"
#include "text/Dates.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSalesLines = 5000000;
constexpr int kRecords = 1000000;
const QDate kLastDay(2024, 12, 31);
const QDate kFirstDay = kLastDay.addYears(-10).addDays(1);

QString folder() {
  const QByteArray env = qgetenv("TAVORIN_BENCH_REPORTS");
  return env.isEmpty() ? QStringLiteral("/tmp/tavorin-bench-reports") : QString::fromLocal8Bit(env);
}
QString mainDb() { return QDir(folder()).filePath(startup::kMainDbFile); }
QString stockDb() { return QDir(folder()).filePath(startup::kStockDbFile); }

// 5,000,000 lines over 3653 days (about 1370 a day), 2,000 drugs in three categories.
void makeFiles() {
  if (QFileInfo::exists(QDir(folder()).filePath("ready"))) return;
  QDir().mkpath(folder());
  QFile::remove(mainDb());
  QFile::remove(stockDb());
  startup::writeMissingTemplates(folder());
  const int days = static_cast<int>(kFirstDay.daysTo(kLastDay)) + 1;
  {
    store::Database stock(stockDb());
    stock.exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"));
    stock.exec(QStringLiteral(
                   R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1))"
                   R"( INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类", "日期",)"
                   R"( "医师", "利润", "患者") SELECT printf('%014d', i / 4),)"
                   R"( printf('药品%04d[10mg]', abs(random()) % 2000), '2', CASE WHEN i % 3 = 0 THEN 'g' ELSE '盒' END,)"
                   R"( '1.5', '3.000', '1.2', CASE i % 3 WHEN 0 THEN '中药' WHEN 1 THEN '西成药·抗生素' ELSE '收费项目' END,)"
                   R"( date('%2', printf('+%d days', i * %3 / %1)), '王医师', '0.6', '李四' FROM n;)")
                   .replace(QStringLiteral("%1"), QString::number(kSalesLines - 1))
                   .replace(QStringLiteral("%2"), text::isoDate(kFirstDay))
                   .replace(QStringLiteral("%3"), QString::number(days)));
    stock.exec(QStringLiteral("COMMIT;"));
    store::ensureStockIndexes(stock);
  }
  {
    store::Database main(mainDb());
    main.exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"));
    main.exec(QStringLiteral(R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1))"
                             R"( INSERT INTO "档案" ("序号", "0", "5", "16") SELECT printf('%014d', i), '张三',)"
                             R"( date('%2', printf('+%d days', i * %3 / %1)), printf('%.2f', (i % 5000) / 100.0) FROM n;)")
                  .replace(QStringLiteral("%1"), QString::number(kRecords - 1))
                  .replace(QStringLiteral("%2"), text::isoDate(kFirstDay))
                  .replace(QStringLiteral("%3"), QString::number(days)));
    main.exec(QStringLiteral("COMMIT;"));
    store::ensureMainIndexes(main);
  }
  QFile ready(QDir(folder()).filePath("ready"));
  ready.open(QIODevice::WriteOnly);
}

void DrugSales32Days(benchmark::State& state) {
  makeFiles();
  const QString from = text::isoDate(kLastDay.addDays(-32));
  for (auto _ : state) {
    const auto out = reports::runDrugSales(stockDb(), from, text::isoDate(kLastDay), QStringLiteral("西成药"));
    benchmark::DoNotOptimize(out.rows.size());
  }
}
BENCHMARK(DrugSales32Days)->Unit(benchmark::kMillisecond);

// The first day whose range back to the last day holds no more than 30,000 lines.
QString detailRangeStart() {
  store::Database stock(stockDb(), store::Database::Mode::ReadOnly);
  SQLite::Statement q(stock.sql(), R"(SELECT "日期" FROM "销售管理" WHERE "分类" LIKE '西成药%' ORDER BY "日期" DESC LIMIT 1 OFFSET 29999)");
  q.executeStep();
  return text::isoDate(text::readDate(store::columnText(q, 0))->addDays(1));
}

void SalesDetailFirstPage(benchmark::State& state) {
  makeFiles();
  const reports::SalesDetailQuery query{detailRangeStart(), text::isoDate(kLastDay), "", "", "", "西成药"};
  size_t lines = 0;
  for (auto _ : state) {
    const auto out = reports::runSalesDetail(stockDb(), query);
    lines = out.records.size();
    benchmark::DoNotOptimize(lines);
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(SalesDetailFirstPage)->Unit(benchmark::kMillisecond);

void SalesDetailYearRefused(benchmark::State& state) {
  makeFiles();
  const reports::SalesDetailQuery query{text::isoDate(kLastDay.addYears(-1)), text::isoDate(kLastDay), "", "", "",
                                        "西成药"};
  for (auto _ : state) {
    const auto out = reports::runSalesDetail(stockDb(), query);
    if (out.kind != reports::SalesDetailOutcome::Kind::TooMany) state.SkipWithError("not refused");
  }
}
BENCHMARK(SalesDetailYearRefused)->Unit(benchmark::kMillisecond);

void WorkloadTenYears(benchmark::State& state) {
  makeFiles();
  for (auto _ : state) {
    const auto out = reports::runWorkload(mainDb(), text::isoDate(kFirstDay), text::isoDate(kLastDay));
    benchmark::DoNotOptimize(out.line);
  }
}
BENCHMARK(WorkloadTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
