// The prescription window's history list at clinic scale: a search typed into the name
// box and 查   询 clicked, to the first screen of the list painted, on the file of
// 1,000,000 records over ten years (support/TenYearsOfRecords.h). Besides the time, each
// benchmark counts the rows listed once the list has counted them all, whether the last
// of them reads as a record, and the private memory the list holds then.
#include "prescription/PrescriptionWindow.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "support/ScriptedDialogs.h"
#include "support/TenYearsOfRecords.h"
#include "ui/Session.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

// Private memory of the process (RssAnon), in MiB.
double privateMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    long kb = 0;
    if (key == "RssAnon:" && status >> kb) return kb / 1024.0;
    status.ignore(4096, '\n');
  }
  return 0;
}

// The program started on the generated records (its data folder is that folder) with the
// prescription window open.
struct OpenOnRecords {
  OpenOnRecords() {
    bench_support::ensureRecords();
    QFile::link(bench_support::recordsFolder(), QDir(dir.path()).filePath(QStringLiteral("Corvala数据库")));
    startup::StartupEnvironment env;
    env.drives.c = dir.path();
    env.drives.sharesRoot = dir.path() + "/shares";
    env.stationCode = "BE02";
    state = *startup::Main(env, dialogs);
    session = std::make_unique<ui::Session>(state, dialogs);
    shell::defineWindows(*session);
    form2 = &session->windows.get<prescription::PrescriptionWindow>();
    list = form2->findChild<QListView*>("List2");
    canvas = QImage(list->size(), QImage::Format_ARGB32_Premultiplied);
  }

  // The boxes typed as the user types them (the name first: typing it sets the range).
  void type(const QString& search) {
    form2->findChild<QLineEdit*>("Text2")->setText(search);
    form2->findChild<QLineEdit*>("Text3")->setText(bench_support::kFirstDay.toString("yyyy-MM-dd"));
    form2->findChild<QLineEdit*>("Text4")->setText(bench_support::kLastDay.toString("yyyy-MM-dd"));
  }
  // 查   询, to the first screen painted.
  void searchToFirstScreen() {
    form2->findChild<QPushButton*>("Command7")->click();
    list->doItemsLayout();
    list->render(&canvas);
  }
  // Lets the list count its rows to the end, then shows and paints its last screen.
  void countAndShowTheEnd() {
    int unchanged = 0;
    int rows = -1;
    while (unchanged < 50) {
      QCoreApplication::processEvents();
      const int now = list->model()->rowCount();
      unchanged = now == rows ? unchanged + 1 : 0;
      rows = now;
    }
    list->scrollToBottom();
    list->render(&canvas);
  }
  void report(benchmark::State& state, double before) {
    countAndShowTheEnd();
    const QAbstractItemModel* model = list->model();
    state.counters["listed"] = model->rowCount();
    state.counters["last_row_read"] =
        model->rowCount() > 0 && !model->index(model->rowCount() - 1, 0).data().toString().isEmpty();
    state.counters["held_MiB"] = privateMiB() - before;
  }

  QTemporaryDir dir;
  testing_support::ScriptedDialogs dialogs;
  startup::AppState state;
  std::unique_ptr<ui::Session> session;
  prescription::PrescriptionWindow* form2 = nullptr;
  QListView* list = nullptr;
  QImage canvas;
};

void searchOverTenYears(benchmark::State& state, const QString& search) {
  OpenOnRecords open;
  const double before = privateMiB();
  open.type(search);
  for (auto _ : state) open.searchToFirstScreen();
  open.report(state, before);
}

// "w": the initials of 167,650 records.
void HistorySearchOneLetter(benchmark::State& state) { searchOverTenYears(state, QStringLiteral("w")); }
BENCHMARK(HistorySearchOneLetter)->Arg(bench_support::kRecords)->Unit(benchmark::kMillisecond);

// "王": the names of 10,000 records.
void HistorySearchOneCharacter(benchmark::State& state) { searchOverTenYears(state, QStringLiteral("王")); }
BENCHMARK(HistorySearchOneCharacter)->Arg(bench_support::kRecords)->Unit(benchmark::kMillisecond);

// Nothing typed: every record of the ten years.
void HistorySearchEmpty(benchmark::State& state) { searchOverTenYears(state, QString("")); }
BENCHMARK(HistorySearchEmpty)->Arg(bench_support::kRecords)->Unit(benchmark::kMillisecond);

}  // namespace
