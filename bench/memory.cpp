// Private memory (RssAnon) of the program after login, with the main window and the
// prescription window open: on the shipped catalogue and on one of 100,000 rows (the
// figure at clinic scale is memory_clinic.cpp's, a program of its own so that no other
// run before it leaves memory behind). Measured once per run; run each on its own
// (--benchmark_filter) for figures that another's run before it does not touch.
#include "shell/MainWindow.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "support/GeneratedCatalogue.h"
#include "support/PrivateMemory.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"
#include "ui/Session.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace {

// Argument: the catalogue's rows; 0 keeps the shipped catalogue.
void MemoryAfterLogin(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    testing_support::ScriptedDialogs dialogs;
    startup::AppState started = *startup::Main(bench_support::environmentIn(dir.path(), "BE01"), dialogs);
    auto session = std::make_unique<ui::Session>(started, dialogs);
    if (state.range(0) > 0) {
      bench_support::fillCatalogue(started.mainDbPath, session->services.strokes(), static_cast<int>(state.range(0)));
      // What the generator left behind is not the program's: given back before the login.
      malloc_trim(0);
    }
    shell::defineWindows(*session);
    // The login's own step: the main window shown, which opens the prescription window.
    session->windows.get<shell::MainWindow>().Show();
    QCoreApplication::processEvents();
    state.counters["RssAnon_MB"] = bench_support::privateMegabytes();
  }
}
BENCHMARK(MemoryAfterLogin)->Arg(0)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);


}  // namespace
