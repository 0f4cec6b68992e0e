// The goods-receipt window over a catalogue of 100,000 generated drugs: a keystroke in its
// name box to the painted drop-down, "a" (every drug whose key holds the letter) and "am"
// typed in turn, as the desk types the first letters of a delivery's drug; and the first
// keystroke of each new receipt the ledger opens.
#include "purchasing/GoodsReceiptWindow.h"
#include "purchasing/PurchaseLedgerWindow.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "support/GeneratedCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"
#include "ui/Session.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <vector>

namespace {

// A started program whose catalogue holds `rows` generated drugs with their real search
// keys; the ledger is open and its "添加" has opened a receipt of "西成药".
struct OpenReceipt {
  explicit OpenReceipt(int rows) {
    const startup::StartupEnvironment env = bench_support::environmentIn(dir.path(), "BE01");
    state = *startup::Main(env, dialogs);
    session = std::make_unique<ui::Session>(state, dialogs);
    bench_support::fillCatalogue(state.mainDbPath, session->services.strokes(), rows);
    shell::defineWindows(*session);
    purchasing::PurchaseLedgerWindow& ledger = session->windows.get<purchasing::PurchaseLedgerWindow>();
    ledger.Show();
    ledger.Command2_Click();
    form = session->windows.findAs<purchasing::GoodsReceiptWindow>();
  }

  QTemporaryDir dir;
  testing_support::ScriptedDialogs dialogs;
  startup::AppState state;
  std::unique_ptr<ui::Session> session;
  purchasing::GoodsReceiptWindow* form = nullptr;
};

// One keystroke as the user sees it: the name box changes, the drop-down is refilled, laid
// out as its delayed layout would lay it out, and painted (offscreen, into an image).
class PaintedKeystrokes {
 public:
  explicit PaintedKeystrokes(purchasing::GoodsReceiptWindow& form)
      : name_(form.Text1[purchasing::kBoxName]), list_(form.findChild<QAbstractItemView*>("List1")),
        canvas_(list_->size(), QImage::Format_ARGB32_Premultiplied) {}

  void type(const QString& text) {
    const auto start = std::chrono::steady_clock::now();
    name_->setText(text);
    list_->doItemsLayout();
    list_->render(&canvas_);
    times_[text].push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    listed_[text] = list_->model()->rowCount();
  }

  // Per text typed: the median and the 90th percentile in milliseconds, and the drugs listed.
  void report(benchmark::State& state) {
    for (auto& [text, times] : times_) {
      if (times.empty()) continue;
      std::sort(times.begin(), times.end());
      const std::string name = text.toStdString();
      state.counters[name + "_p50_ms"] = times[times.size() / 2];
      state.counters[name + "_p90_ms"] = times[std::min(times.size() - 1, times.size() * 9 / 10)];
      state.counters[name + "_listed"] = listed_[text];
    }
  }

 private:
  QLineEdit* name_;
  QAbstractItemView* list_;
  QImage canvas_;
  std::map<QString, std::vector<double>> times_;
  std::map<QString, int> listed_;
};

// "a" and "am" in turn: every keystroke is a change that searches and paints the list.
void GoodsReceiptKeystroke(benchmark::State& state) {
  OpenReceipt open(static_cast<int>(state.range(0)));
  PaintedKeystrokes keystrokes(*open.form);
  const QString texts[] = {QStringLiteral("a"), QStringLiteral("am")};
  int i = 0;
  for (auto _ : state) keystrokes.type(texts[i++ % 2]);
  keystrokes.report(state);
}
BENCHMARK(GoodsReceiptKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond);

// The first keystroke in a new receipt: the ledger's "添加" (untimed) opens a fresh window,
// which reads the catalogue's keys once it is drawn, then "a" is typed and the drop-down
// painted. The ledger keeps what its receipts read of the catalogue, so only the first
// receipt it opens reads the whole catalogue.
void GoodsReceiptFirstKeystroke(benchmark::State& state) {
  OpenReceipt open(static_cast<int>(state.range(0)));
  purchasing::PurchaseLedgerWindow& ledger = open.session->windows.get<purchasing::PurchaseLedgerWindow>();
  std::vector<double> times;
  for (auto _ : state) {
    state.PauseTiming();
    ledger.Command2_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();  // the window drawn, as it is before the user types
    auto* form = open.session->windows.findAs<purchasing::GoodsReceiptWindow>();
    auto* list = form->findChild<QAbstractItemView*>("List1");
    QImage canvas(list->size(), QImage::Format_ARGB32_Premultiplied);
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    form->Text1[purchasing::kBoxName]->setText(QStringLiteral("a"));
    list->doItemsLayout();
    list->render(&canvas);
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["first_receipt_ms"] = times.front();
  std::sort(times.begin(), times.end());
  state.counters["p90_ms"] = times[std::min(times.size() - 1, times.size() * 9 / 10)];
}
BENCHMARK(GoodsReceiptFirstKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
