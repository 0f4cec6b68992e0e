// Purchase statistics at clinic scale: 32 days of one category summed from an inventory
// file of 1,000,000 receipts over ten years (about 275 a day, 400 drugs, two
// categories). The file is generated once into TAVORIN_BENCH_PURCHASES (default
// /tmp/tavorin-bench-purchases) and reused by later runs.
#include "purchasing/service/PurchaseStatistics.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/QueryIndexes.h"
#include "text/Dates.h"

#include <QDir>
#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int kReceipts = 1000000;
const QDate kLastDay(2024, 12, 31);
const QDate kFirstDay = kLastDay.addYears(-10).addDays(1);

QString folder() {
  const QByteArray env = qgetenv("TAVORIN_BENCH_PURCHASES");
  return env.isEmpty() ? QStringLiteral("/tmp/tavorin-bench-purchases") : QString::fromLocal8Bit(env);
}
QString stockDb() { return QDir(folder()).filePath(startup::kStockDbFile); }

void generate() {
  const QString ready = QDir(folder()).filePath(QStringLiteral("ready"));
  if (QFileInfo::exists(ready)) return;
  QDir().mkpath(folder());
  QFile::remove(stockDb());
  startup::writeMissingTemplates(folder());
  store::Database db(stockDb());
  store::ensureStockIndexes(db);
  SQLite::Transaction tx(db.sql());
  SQLite::Statement insert(db.sql(), R"(INSERT INTO "进货管理" ("日期", "品名", "库存", "单位", "序号", "数量", "进价",
      "售价", "供货单位", "生产厂家", "批号", "有效期至", "备注", "备用", "分类")
      VALUES (?, ?, '100', ?, ?, ?, '1.500', '2.000', '供货甲', '厂家乙', 'B2019', '2026-01', ?, '', ?))");
  const int days = static_cast<int>(kFirstDay.daysTo(kLastDay)) + 1;
  for (int i = 0; i < kReceipts; ++i) {
    const QDate day = kFirstDay.addDays(static_cast<qint64>(i) * days / kReceipts);
    const int drug = (i * 7919) % 400;
    const bool herb = drug % 2 == 0;
    insert.reset();
    store::bindText(insert, 1, text::isoDate(day));
    store::bindText(insert, 2, (herb ? QStringLiteral("草药%1") : QStringLiteral("成药%1[10片]")).arg(drug));
    store::bindText(insert, 3, herb ? QStringLiteral("g") : QStringLiteral("盒"));
    store::bindText(insert, 4, text::timestampText(day.startOfDay()));
    store::bindText(insert, 5, QString::number(10 + i % 90));
    store::bindText(insert, 6, QString::number((10 + i % 90) * 1.5));
    store::bindText(insert, 7, herb ? QStringLiteral("中药") : QStringLiteral("西成药"));
    insert.exec();
  }
  tx.commit();
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

}  // namespace
