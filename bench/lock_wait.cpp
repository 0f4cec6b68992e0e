// Two workstations writing one file: how long a writer that waits for the other's write
// lock goes on waiting after the other has let go. The other holds the lock for range(0)
// ms; the time measured runs from its commit to the waiter's lock.
#include "store/Database.h"
#include "support/BenchFolder.h"

#include <QDir>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

QString lockFile() {
  const QString path = QDir(bench_support::benchFolder("TAVORIN_BENCH_LOCKS")).filePath(QStringLiteral("locks.dat"));
  store::Database(path, store::Database::Mode::Create).exec(QStringLiteral("CREATE TABLE IF NOT EXISTS t (x)"));
  return path;
}

void WaitAfterTheOtherWriterLetsGo(benchmark::State& state) {
  const QString path = lockFile();
  const auto hold = std::chrono::milliseconds(state.range(0));
  store::Database other(path);
  store::Database waiter(path);
  for (auto _ : state) {
    std::atomic<bool> held = false;
    Clock::time_point released;
    std::thread holder([&] {
      SQLite::Transaction transaction(other.sql(), SQLite::TransactionBehavior::IMMEDIATE);
      held = true;
      std::this_thread::sleep_for(hold);
      transaction.commit();
      released = Clock::now();
    });
    while (!held) std::this_thread::yield();
    SQLite::Transaction transaction(waiter.sql(), SQLite::TransactionBehavior::IMMEDIATE);
    const Clock::time_point locked = Clock::now();
    holder.join();
    transaction.commit();
    state.SetIterationTime(std::chrono::duration<double>(std::max(locked - released, Clock::duration::zero())).count());
  }
}
BENCHMARK(WaitAfterTheOtherWriterLetsGo)->Arg(3)->Arg(20)->Arg(60)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
