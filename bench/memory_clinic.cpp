// Private memory (RssAnon) of the program after login at clinic scale
// (support/ClinicScale.h: a million records of real length, the last month of them
// listed, a catalogue of 100,000 drugs of real length, 40,000 patients, five million
// sales lines), with the main window and the prescription window open. A program of its
// own: the one measurement of its process, so no other run before it leaves memory behind.
#include "shell/LoginWindow.h"
#include "shell/Windows.h"
#include "startup/BackgroundNameIndexFill.h"
#include "startup/Main.h"
#include "support/ClinicScale.h"
#include "support/PrivateMemory.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"
#include "ui/Session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

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
    state.counters["RssAnon_MB"] = bench_support::privateMegabytes();
  }
}
BENCHMARK(MemoryAfterLoginAtClinicScale)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
