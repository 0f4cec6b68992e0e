// The prescription window's pure work on every keystroke and pick: the grid's totals over
// all 71 rows, and the herbal layout of a 30-herb prescription with a fee tail.
#include "prescription/service/GridTotals.h"
#include "prescription/service/HerbalLayout.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

prescription::PricedGrid pricedGrid() {
  prescription::PricedGrid grid;
  for (int r = 0; r < 30; ++r) {
    grid[r][prescription::kName] = QStringLiteral("药物%1").arg(r);
    grid[r][prescription::kQuantity] = QString::number(1 + r % 7);
    grid[r][prescription::kPrice] = QStringLiteral("%1.%2").arg(r % 13).arg(r * 37 % 1000, 3, 10, QChar(u'0'));
    grid[r][prescription::kCategory] = r % 5 == 0 ? QStringLiteral("收费项目") : QStringLiteral("中药");
  }
  return grid;
}

void BM_RecalcTotals71Rows(benchmark::State& state) {
  const prescription::PricedGrid grid = pricedGrid();
  for (auto _ : state) benchmark::DoNotOptimize(prescription::RecalcTotals(grid));
}
BENCHMARK(BM_RecalcTotals71Rows)->Unit(benchmark::kMicrosecond);

// Thirty herbs as typed, one blank apart, with two fee lines after them.
QString thirtyHerbs() {
  const QStringList herbs = {QStringLiteral("当归"), QStringLiteral("白芍"), QStringLiteral("川芎"),
                             QStringLiteral("熟地黄"), QStringLiteral("炙甘草"), QStringLiteral("大枣")};
  QString text;
  for (int i = 0; i < 30; ++i) text += herbs[i % herbs.size()] + QString::number(i + 3) + QStringLiteral("g ");
  return text + QStringLiteral("\r\n\r\n煎药费\r\n代煎\r\n");
}

void BM_HerbalLayout30Herbs(benchmark::State& state) {
  const QString text = thirtyHerbs();
  for (auto _ : state) benchmark::DoNotOptimize(prescription::herbalLayout(text));
}
BENCHMARK(BM_HerbalLayout30Herbs)->Unit(benchmark::kMicrosecond);

}  // namespace
