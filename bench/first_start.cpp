// The first start of this build on a file of 1,000,000 records (support/TenYearsOfRecords.h)
// as an earlier build left it: without the history search's name pieces, and without the
// indexes this build adds. Timed: start-up to the login window shown (the program
// usable). Counted: how long the name pieces take to be made in the background after
// that, and what another workstation saving a prescription and listing today's patients
// every tenth of a second meanwhile measured: its longest and its usual save and read
// over the whole start, its longest save and read once the window is there (while the
// pieces are made), how long of that it was kept waiting for the file's lock, and the
// saves and reads refused; and, for comparison, the same saves and reads for a few
// seconds once the pieces are made. Then the first close on such a file.
#include "prescription/service/HistoryList.h"
#include "prescription/service/PrescriptionSave.h"
#include "shell/LoginWindow.h"
#include "shell/Windows.h"
#include "startup/BackgroundNameIndexFill.h"
#include "startup/Main.h"
#include "store/RecordsRepository.h"
#include "store/Database.h"
#include "store/RecordNameIndex.h"
#include "support/ScriptedDialogs.h"
#include "support/StartedIn.h"
#include "support/TenYearsOfRecords.h"
#include "ui/Session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

namespace {

using namespace prescription;

// The indexes of the records that the earlier build did not make.
const QStringList kIndexesAddedSince = {QString::fromUtf8(store::kHistoryPagesIndex)};

// Makes the generated file look as an earlier build left it.
void makeEarlierBuildsFile() {
  store::Database db(bench_support::recordsMainDb());
  db.exec(R"(DROP TRIGGER IF EXISTS "档案_片段_添加"; DROP TRIGGER IF EXISTS "档案_片段_删除";)"
          R"( DROP TRIGGER IF EXISTS "档案_片段_修改"; DROP TABLE IF EXISTS "档案_片段"; DROP TABLE IF EXISTS "档案_片段位";)"
          R"( DROP TABLE IF EXISTS "档案_片段版本"; DROP TABLE IF EXISTS "档案_片段变动";)");
  for (const QString& index : kIndexesAddedSince) db.exec(QStringLiteral(R"(DROP INDEX IF EXISTS "%1")").arg(index));
}

// One save or read of the other workstation: when it began (from the start), how long it
// took, and how long of that its connections waited for another connection's lock, in
// milliseconds.
struct Operation {
  qint64 began = 0;
  qint64 took = 0;
  double waited = 0;
};

// What the other workstation measured.
struct Waits {
  std::vector<Operation> saves;
  std::vector<Operation> reads;
  int refused = 0;
  int readsRefused = 0;
  qint64 piecesReadyMs = -1;  // from the start, when the search could read the pieces
};

// The operations that began at `from` or later and before `to`.
std::vector<qint64> tookSince(const std::vector<Operation>& operations, qint64 from,
                              qint64 to = std::numeric_limits<qint64>::max()) {
  std::vector<qint64> took;
  for (const Operation& op : operations)
    if (op.began >= from && op.began < to) took.push_back(op.took);
  return took;
}

// Their lock waits, and their times less the lock waits.
std::vector<double> waitedBetween(const std::vector<Operation>& operations, qint64 from, qint64 to) {
  std::vector<double> waited;
  for (const Operation& op : operations)
    if (op.began >= from && op.began < to) waited.push_back(op.waited);
  return waited;
}
std::vector<double> ownTimeBetween(const std::vector<Operation>& operations, qint64 from, qint64 to) {
  std::vector<double> own;
  for (const Operation& op : operations)
    if (op.began >= from && op.began < to) own.push_back(std::max(0.0, double(op.took) - op.waited));
  return own;
}

// The value below which `share` of the values lie (0.5: the median).
template <typename T>
double quantile(std::vector<T> values, double share) {
  if (values.empty()) return 0;
  const size_t at = std::min(values.size() - 1, size_t(double(values.size()) * share));
  std::nth_element(values.begin(), values.begin() + at, values.end());
  return double(values[at]);
}

template <typename T>
double median(std::vector<T> values) {
  return quantile(std::move(values), 0.5);
}

template <typename T>
double longest(const std::vector<T>& values) {
  return values.empty() ? 0 : double(*std::max_element(values.begin(), values.end()));
}

template <typename T>
std::vector<T> joined(std::vector<T> a, const std::vector<T>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

PrescriptionRecord otherWorkstationsPrescription(int n) {
  PrescriptionRecord r = bench_support::typedRecord(QStringLiteral("20241231%1C3").arg(n, 6, 10, QChar(u'0')),
                                                    bench_support::patientName(n), bench_support::kLastDay, 8);
  return r;
}

// Another workstation saving a prescription and listing today's patients every tenth of a
// second until stopped, each timed on `clock`.
class OtherWorkstation {
 public:
  explicit OtherWorkstation(const QElapsedTimer& clock) : clock_(clock), thread_([this] { run(); }) {}
  ~OtherWorkstation() {
    if (thread_.joinable()) stop();
  }
  // Stops it and gives what it measured.
  Waits stop() {
    done_ = true;
    thread_.join();
    return std::move(waits_);
  }

 private:
  void run() {
    const PrescriptionSave save(bench_support::recordsMainDb(), bench_support::recordsCounterFile(),
                                [] { return bench_support::kLastDay; });
    const HistoryList list(bench_support::recordsMainDb());
    for (int n = 1; !done_; ++n) {
      qint64 began = clock_.elapsed();
      store::resetLockWaitsOfThisThread();
      if (!save.save(otherWorkstationsPrescription(n), false).saved()) ++waits_.refused;
      waits_.saves.push_back({began, clock_.elapsed() - began, waitedMs()});
      began = clock_.elapsed();
      store::resetLockWaitsOfThisThread();
      try {
        benchmark::DoNotOptimize(list.query(todaysPatients(bench_support::kLastDay)).items.size());
        if (waits_.piecesReadyMs < 0) {
          store::Database db(bench_support::recordsMainDb(), store::Database::Mode::ReadOnly);
          if (store::recordNameIndexReady(db)) waits_.piecesReadyMs = clock_.elapsed();
        }
      } catch (const std::exception&) {
        ++waits_.readsRefused;
      }
      waits_.reads.push_back({began, clock_.elapsed() - began, waitedMs()});
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }

  // All the lock waits of the operation just ended.
  static double waitedMs() {
    return std::chrono::duration<double, std::milli>(store::lockWaitsOfThisThread()).count();
  }

  const QElapsedTimer& clock_;
  std::atomic<bool> done_ = false;
  Waits waits_;
  std::thread thread_;  // last: it starts once the others are made
};

void removeOtherWorkstationsRecords() {
  store::Database(bench_support::recordsMainDb()).exec(R"(DELETE FROM "档案" WHERE "序号" LIKE '20241231%C3')");
}

// How long the other workstation goes on once the pieces are made, for the baseline.
constexpr int kBaselineMs = 4000;

void FirstStartOnAnOlderFile(benchmark::State& state) {
  bench_support::ensureRecords();
  for (auto _ : state) {
    makeEarlierBuildsFile();
    QTemporaryDir dir;
    QFile::link(bench_support::recordsFolder(), QDir(dir.path()).filePath(QStringLiteral("Corvala数据库")));
    const startup::StartupEnvironment env = bench_support::environmentIn(dir.path(), "BE03");

    QElapsedTimer clock;
    clock.start();
    OtherWorkstation other(clock);

    testing_support::ScriptedDialogs dialogs;
    const startup::AppState started = *startup::Main(env, dialogs);
    auto fill = std::make_unique<startup::BackgroundNameIndexFill>(started.mainDbPath);
    auto session = std::make_unique<ui::Session>(started, dialogs);
    shell::defineWindows(*session);
    session->windows.load(QString::fromLatin1(shell::LoginWindow::kName)).Show();
    QCoreApplication::processEvents();
    const qint64 windowMs = clock.elapsed();
    fill->wait();
    const qint64 fillDoneMs = clock.elapsed();
    std::this_thread::sleep_for(std::chrono::milliseconds(kBaselineMs));
    const Waits waits = other.stop();
    session.reset();

    state.SetIterationTime(double(windowMs) / 1000.0);
    state.counters["pieces_ready_s"] = double(waits.piecesReadyMs - windowMs) / 1000.0;
    state.counters["fill_done_s"] = double(fillDoneMs - windowMs) / 1000.0;
    state.counters["other_save_max_ms"] = longest(tookSince(waits.saves, 0, fillDoneMs));
    state.counters["other_save_median_ms"] = median(tookSince(waits.saves, 0, fillDoneMs));
    state.counters["other_read_max_ms"] = longest(tookSince(waits.reads, 0, fillDoneMs));
    state.counters["other_read_median_ms"] = median(tookSince(waits.reads, 0, fillDoneMs));
    // Once the window is there: while the pieces are made.
    state.counters["filling_save_max_ms"] = longest(tookSince(waits.saves, windowMs, fillDoneMs));
    state.counters["filling_read_max_ms"] = longest(tookSince(waits.reads, windowMs, fillDoneMs));
    // What the fill made it wait: the time its saves and reads spent waiting for the
    // file's lock (all the waits of one save or read together), longest and p90 ...
    const std::vector<double> lockWaits =
        joined(waitedBetween(waits.saves, windowMs, fillDoneMs), waitedBetween(waits.reads, windowMs, fillDoneMs));
    state.counters["filling_wait_max_ms"] = longest(lockWaits);
    state.counters["filling_wait_p90_ms"] = quantile(lockWaits, 0.9);
    // ... and the rest of a save: its own transaction and commit.
    state.counters["filling_save_own_max_ms"] = longest(ownTimeBetween(waits.saves, windowMs, fillDoneMs));
    state.counters["filling_save_own_median_ms"] = median(ownTimeBetween(waits.saves, windowMs, fillDoneMs));
    // The same saves and reads on the same file once the pieces are made: no fill running.
    state.counters["baseline_save_max_ms"] = longest(tookSince(waits.saves, fillDoneMs));
    state.counters["baseline_save_median_ms"] = median(tookSince(waits.saves, fillDoneMs));
    state.counters["baseline_read_max_ms"] = longest(tookSince(waits.reads, fillDoneMs));
    state.counters["other_saves_refused"] = waits.refused;
    state.counters["other_reads_refused"] = waits.readsRefused;
    removeOtherWorkstationsRecords();
  }
}
BENCHMARK(FirstStartOnAnOlderFile)
    ->Arg(bench_support::kRecords)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The first close of this build on such a file: the history pages' index that start-up
// left out, made within the close's bound. Timed: the close's making of it. Counted: made
// or given up, and the longest save and read of the other workstation while it was made
// (those that began from a third of a second before to its end).
void FirstCloseOnAnOlderFile(benchmark::State& state) {
  bench_support::ensureRecords();
  for (auto _ : state) {
    store::Database(bench_support::recordsMainDb())
        .exec(QStringLiteral(R"(DROP INDEX IF EXISTS "%1")").arg(QString::fromUtf8(store::kHistoryPagesIndex)));
    startup::AppState closing;
    closing.mainDbPath = bench_support::recordsMainDb();

    QElapsedTimer clock;
    clock.start();
    OtherWorkstation other(clock);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    const qint64 began = clock.elapsed();
    const bool made = startup::makeIndexesLeftForTheClose(closing);
    const qint64 tookMs = clock.elapsed() - began;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Waits waits = other.stop();

    state.SetIterationTime(double(tookMs) / 1000.0);
    state.counters["made"] = made ? 1 : 0;
    state.counters["other_save_max_ms"] = longest(tookSince(waits.saves, began - 333));
    state.counters["other_read_max_ms"] = longest(tookSince(waits.reads, began - 333));
    state.counters["other_save_median_ms"] = median(tookSince(waits.saves, 0));
    state.counters["other_saves_refused"] = waits.refused;
    state.counters["other_reads_refused"] = waits.readsRefused;
    removeOtherWorkstationsRecords();
  }
}
BENCHMARK(FirstCloseOnAnOlderFile)
    ->Arg(bench_support::kRecords)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
