// Private memory (RssAnon) of the program after login, with the main window and the
// prescription window open: on the shipped catalogue, and on one of 100,000 rows.
// Measured once per run; run each size on its own (--benchmark_filter) for figures that
// another size's run before it does not touch.
#include "shell/Form1.h"
#include "shell/Windows.h"
#include "startup/Main.h"
#include "store/Database.h"
#include "support/ScriptedDialogs.h"
#include "text/SearchKeys.h"
#include "ui/Session.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <SQLiteCpp/Transaction.h>

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

// The shipped catalogue's rows replaced by `rows` generated drugs with real search keys.
void fillCatalogue(const QString& mainDb, ui::Session& session, int rows) {
  const QStringList categories = {"中药", "西成药·抗生素", "西成药·中成药", "西成药·心血管", "收费项目", "用法"};
  store::Database db(mainDb);
  SQLite::Transaction transaction(db.sql());
  db.exec(QStringLiteral(R"(DELETE FROM "商品")"));
  SQLite::Statement drug(db.sql(), R"(INSERT INTO "商品" ("ID号","名称","查询","分类","常用量","单位","用法")
                                       VALUES (?, ?, ?, ?, '0.5', 'g', '口服'))");
  const QString syllables = QStringLiteral("黄芪当归川芎白芍熟地党参白术茯苓甘草柴胡阿莫西林头孢克肟氯化钠注射液");
  for (int i = 0; i < rows; ++i) {
    const QString name = syllables.mid((i * 7) % 24, 2 + i % 5) + QString::number(i % 997);
    store::bindText(drug, 1, QString::number(i));
    store::bindText(drug, 2, name);
    store::bindText(drug, 3, text::CatalogSearchKey(name, session.services.strokes()));
    store::bindText(drug, 4, categories[i % categories.size()]);
    drug.exec();
    drug.reset();
  }
  transaction.commit();
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
      fillCatalogue(started.MainDbConnection, *session, static_cast<int>(state.range(0)));
      // What the generator left behind is not the program's: given back before the login.
      malloc_trim(0);
    }
    shell::defineWindows(*session);
    // The login's own step: the main window shown, which opens the prescription window.
    session->windows.get<shell::Form1>().Show();
    QCoreApplication::processEvents();
    state.counters["RssAnon_MB"] = privateMegabytes();
  }
}
BENCHMARK(MemoryAfterLogin)->Arg(0)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
