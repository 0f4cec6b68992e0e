// Start-up: a warm start (files present) and a first start (templates written).
#include "startup/Main.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void WarmStart(benchmark::State& state) {
  QTemporaryDir dir;
  testing_support::ScriptedDialogs dialogs;
  const auto env = bench_support::environmentIn(dir.path(), "BE01");
  startup::Main(env, dialogs);
  for (auto _ : state) benchmark::DoNotOptimize(startup::Main(env, dialogs).has_value());
}
BENCHMARK(WarmStart)->Unit(benchmark::kMillisecond);

void FirstStart(benchmark::State& state) {
  testing_support::ScriptedDialogs dialogs;
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir dir;
    const auto env = bench_support::environmentIn(dir.path(), "BE01");
    state.ResumeTiming();
    benchmark::DoNotOptimize(startup::Main(env, dialogs).has_value());
  }
}
BENCHMARK(FirstStart)->Unit(benchmark::kMillisecond);

// The whole process start: Qt's application object, then start-up.
void FirstStartWithQt(benchmark::State& state) {
  testing_support::ScriptedDialogs dialogs;
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir dir;
    const auto env = bench_support::environmentIn(dir.path(), "BE01");
    int argc = 1;
    char name[] = "bench";
    char* argv[] = {name, nullptr};
    state.ResumeTiming();
    QApplication app(argc, argv);
    benchmark::DoNotOptimize(startup::Main(env, dialogs).has_value());
  }
}
BENCHMARK(FirstStartWithQt)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
