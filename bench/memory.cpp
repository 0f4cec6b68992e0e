// Private memory (RssAnon) of the program after login, with the main window and the
// prescription window open: on the shipped catalogue, on one of 100,000 rows, and at
// clinic scale (support/ClinicScale.h: a million records of real length, the last month
// of them listed, a catalogue of 100,000 drugs of real length, 40,000 patients, five
// million sales lines). Measured once per run; run each on its own (--benchmark_filter)
// for figures that another's run before it does not touch.
#include "shell/LoginWindow.h"
#include "shell/MainWindow.h"
#include "shell/Windows.h"
#include "startup/BackgroundNameIndexFill.h"
#include "startup/Main.h"
#include "support/ClinicScale.h"
#include "support/GeneratedCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"
#include "ui/Session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
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
    state.counters["RssAnon_MB"] = privateMegabytes();
  }
}
BENCHMARK(MemoryAfterLogin)->Arg(0)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

void MemoryAfterLoginAtClinicScale(benchmark::State& state) {
  bench_support::ensureClinic();
  for (auto _ : state) {
    QTemporaryDir dir;
    QFile::link(bench_support::clinicFolder(), QDir(dir.path()).filePath(QStringLiteral("Corvala数据库")));
    testing_support::ScriptedDialogs dialogs;
    startup::AppState started = *startup::Main(bench_support::environmentIn(dir.path(), "BE04"), dialogs);
    // As the program does: the check of the history search's name pieces, done by now.
    startup::BackgroundNameIndexFill(started.mainDbPath).wait();
    auto session = std::make_unique<ui::Session>(started, dialogs);
    shell::defineWindows(*session);
    auto& login = static_cast<shell::LoginWindow&>(session->windows.load(QString::fromLatin1(shell::LoginWindow::kName)));
    login.Show();
    QCoreApplication::processEvents();
    // The password typed and 确定: the main window opens with the prescription window.
    login.Text1->setText(shell::LoginWindow::kOriginalPassword);
    login.Command1_Click();
    QCoreApplication::processEvents();
    state.counters["RssAnon_MB"] = privateMegabytes();
  }
}
BENCHMARK(MemoryAfterLoginAtClinicScale)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
