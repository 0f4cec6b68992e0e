// The prescription window: a keystroke in the drug search to a filled and painted list, on
// a catalogue of the shipped size and one of 100,000 rows, and creating and loading the
// window.
#include "prescription/PrescriptionWindow.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "store/Database.h"
#include "support/GeneratedCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"
#include "ui/Session.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

// A started program whose catalogue holds `rows` generated drugs with their real search
// keys; the main window and the prescription window are open.
struct OpenWindow {
  explicit OpenWindow(int rows) {
    const startup::StartupEnvironment env = bench_support::environmentIn(dir.path(), "BE01");
    state = *startup::Main(env, dialogs);
    session = std::make_unique<ui::Session>(state, dialogs);
    fillCatalogue(rows);
    shell::defineWindows(*session);
  }

  void fillCatalogue(int rows) {
    bench_support::fillCatalogue(state.mainDbPath, session->services.strokes(), rows);
  }

  prescription::PrescriptionWindow& form2() { return session->windows.get<prescription::PrescriptionWindow>(); }

  QTemporaryDir dir;
  testing_support::ScriptedDialogs dialogs;
  startup::AppState state;
  std::unique_ptr<ui::Session> session;
};

// One keystroke as the user sees it: the search box changes, the list is refilled, laid
// out as its delayed layout would lay it out, and painted (offscreen, into an image).
class PaintedKeystrokes {
 public:
  explicit PaintedKeystrokes(prescription::PrescriptionWindow& form2)
      : search_(form2.findChild<QLineEdit*>("Text1")), list_(form2.findChild<QListView*>("List1")),
        canvas_(list_->size(), QImage::Format_ARGB32_Premultiplied) {}

  void type(const QString& keys) {
    const auto start = std::chrono::steady_clock::now();
    search_->setText(keys);
    list_->doItemsLayout();
    list_->render(&canvas_);
    times_.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }

  // The median and the 90th percentile of the keystrokes, in milliseconds.
  void report(benchmark::State& state) {
    if (times_.empty()) return;
    std::sort(times_.begin(), times_.end());
    state.counters["p50_ms"] = times_[times_.size() / 2];
    state.counters["p90_ms"] = times_[std::min(times_.size() - 1, times_.size() * 9 / 10)];
  }

 private:
  QLineEdit* search_;
  QListView* list_;
  QImage canvas_;
  std::vector<double> times_;
};

// Two two-letter keys typed in turn: each change runs the query, refills the list and
// paints it.
void KeystrokeToFilledList(benchmark::State& state) {
  OpenWindow open(static_cast<int>(state.range(0)));
  PaintedKeystrokes keystrokes(open.form2());
  const QString keys[] = {"dg", "ch"};
  int i = 0;
  for (auto _ : state) keystrokes.type(keys[i++ % 2]);
  keystrokes.report(state);
  state.counters["listed"] = static_cast<double>(open.form2().drugListEntries().size());
}
BENCHMARK(KeystrokeToFilledList)->Arg(1446)->Arg(100000)->Unit(benchmark::kMillisecond);

// Two-letter keystrokes, each right after `write` changed the main file (untimed), each
// through the painted list.
template <class Write>
void keystrokesAfter(benchmark::State& state, Write write) {
  OpenWindow open(static_cast<int>(state.range(0)));
  PaintedKeystrokes keystrokes(open.form2());
  store::Database db(open.state.mainDbPath);
  const QString keys[] = {"dg", "ch"};
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    write(db, i);
    state.ResumeTiming();
    keystrokes.type(keys[i++ % 2]);
  }
  keystrokes.report(state);
  state.counters["listed"] = static_cast<double>(open.form2().drugListEntries().size());
}

// Each keystroke right after a prescription was saved to the main file (as another
// workstation saves one): the catalogue is unchanged and its rows are kept.
void KeystrokeAfterAWrite(benchmark::State& state) {
  keystrokesAfter(state, [](store::Database& db, int i) {
    db.exec(QStringLiteral(R"(INSERT INTO "档案" ("序号", "0") VALUES ('%1BE01', '张三'))").arg(20261210000000LL + i));
  });
}
BENCHMARK(KeystrokeAfterAWrite)->Arg(1446)->Arg(100000)->Unit(benchmark::kMillisecond);

// The first keystroke after a catalogue row's dose was edited: the catalogue is read again.
void KeystrokeAfterACatalogueEdit(benchmark::State& state) {
  keystrokesAfter(state, [](store::Database& db, int i) {
    db.exec(QStringLiteral(R"(UPDATE "商品" SET "常用量" = '%1' WHERE "ID号" = '0')").arg(i));
  });
}
BENCHMARK(KeystrokeAfterACatalogueEdit)->Arg(1446)->Arg(100000)->Unit(benchmark::kMillisecond);

// The first broad search over a catalogue just read in full: "d" after every row was
// edited (the catalogue read again, untimed, by a keystroke that lists nothing).
void FirstBroadKeystroke(benchmark::State& state) {
  OpenWindow open(static_cast<int>(state.range(0)));
  PaintedKeystrokes keystrokes(open.form2());
  auto* search = open.form2().findChild<QLineEdit*>("Text1");
  store::Database db(open.state.mainDbPath);
  int i = 0;
  for (auto _ : state) {
    state.PauseTiming();
    db.exec(QStringLiteral(R"(UPDATE "商品" SET "用法" = '口服%1')").arg(i++));
    search->setText(QStringLiteral("~"));
    state.ResumeTiming();
    keystrokes.type(QStringLiteral("d"));
  }
  keystrokes.report(state);
  state.counters["listed"] = static_cast<double>(open.form2().drugListEntries().size());
}
BENCHMARK(FirstBroadKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

void CreateAndLoadTheWindow(benchmark::State& state) {
  OpenWindow open(1446);
  open.form2();
  for (auto _ : state) {
    state.PauseTiming();
    open.session->windows.unload(prescription::PrescriptionWindow::kName);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
    benchmark::DoNotOptimize(&open.form2());
  }
}
BENCHMARK(CreateAndLoadTheWindow)->Unit(benchmark::kMillisecond);

}  // namespace
