// Private memory (RssAnon) of the program after login, with the main window and the
// prescription window open: on the shipped catalogue, and on one of 100,000 rows.
// Measured once per run; run each size on its own (--benchmark_filter) for figures that
// another size's run before it does not touch.
#include "shell/MainWindow.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "support/GeneratedCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "ui/Session.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace {

// The RssAnon line of /proc/self/status, in megabytes.
double privateMegabytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("RssAnon:")) return line.mid(8).trimmed().split(' ').first().toDouble() / 1024.0;
  return -1;
}

// Argument: the catalogue's rows; 0 keeps the shipped catalogue.
void MemoryAfterLogin(benchmark::State& state) {
  for (auto _ : state) {
    QTemporaryDir dir;
    testing_support::ScriptedDialogs dialogs;
    startup::StartupEnvironment env;
    env.drives.c = dir.path();
    env.drives.sharesRoot = dir.path() + "/shares";
    env.stationCode = "BE01";
    startup::AppState started = *startup::Main(env, dialogs);
    auto session = std::make_unique<ui::Session>(started, dialogs);
    if (state.range(0) > 0) {
      bench_support::fillCatalogue(started.MainDbConnection, session->services.strokes(), static_cast<int>(state.range(0)));
      // What the generator left behind is not the program's: given back before the login.
      malloc_trim(0);
    }
    shell::defineWindows(*session);
    // The login's own step: the main window shown, which opens the prescription window.
    session->windows.get<shell::MainWindow>().Show();
    QCoreApplication::processEvents();
    state.counters["RssAnon_MB"] = privateMegabytes();
  }
}
BENCHMARK(MemoryAfterLogin)->Arg(0)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
