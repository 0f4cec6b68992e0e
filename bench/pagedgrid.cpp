// The catalogue grid: one page show (21 rows of 11 text boxes, texts and stripes) as
// the bar moves by one record, and by a whole page, over 100,000 records.
#include "ui/PagedGrid.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

std::vector<grid::Record> catalogue(int count) {
  std::vector<grid::Record> records(static_cast<size_t>(count));
  for (int n = 0; n < count; ++n) {
    records[n].fields = {QStringLiteral("药物%1[0.25g]").arg(n), QStringLiteral("0.5"), QStringLiteral("g"),
                         QStringLiteral("2粒 每日3次 口服"), QStringLiteral("yw%1").arg(n), QStringLiteral("抗生素"),
                         QStringLiteral("%1.125").arg(n % 90), QStringLiteral("%1.900").arg(n % 70),
                         QString::number(n % 500), QStringLiteral("A%1").arg(n % 40),
                         QStringLiteral("2412%1").arg(n, 8, 10, QLatin1Char('0'))};
  }
  return records;
}

// state.range(0): records the bar moves at each step.
void showPages(benchmark::State& state, bool repaint) {
  QWidget window;
  ui::PagedGrid grid(grid::catalogueGrid(), &window);
  grid.setRecords(catalogue(100000));
  window.show();
  QScrollBar* bar = grid.VS1();
  const int step = static_cast<int>(state.range(0));
  int value = 0;
  for (auto _ : state) {
    value = (value + step) % bar->maximum();
    bar->setValue(value);
    if (repaint) QApplication::processEvents();  // the repaint of the moved page
  }
}

void PageShow(benchmark::State& state) { showPages(state, true); }
BENCHMARK(PageShow)->Arg(1)->Arg(21)->Unit(benchmark::kMillisecond);

// The texts and colours alone, without the repaint.
void PageFill(benchmark::State& state) { showPages(state, false); }
BENCHMARK(PageFill)->Arg(1)->Unit(benchmark::kMillisecond);

// A reload that hands 100,000 records to the grid: the model taken over, the first
// page shown.
void ReloadOf100000(benchmark::State& state) {
  QWidget window;
  ui::PagedGrid grid(grid::catalogueGrid(), &window);
  const std::vector<grid::Record> records = catalogue(100000);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<grid::Record> copy = records;  // a query hands over a fresh model
    state.ResumeTiming();
    grid.setRecords(std::move(copy));
  }
}
BENCHMARK(ReloadOf100000)->Unit(benchmark::kMillisecond);

}  // namespace
