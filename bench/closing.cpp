// The main window's close: the search-key rebuild over a catalogue of 100,000 rows and
// 2,000 templates, and the look that every later close costs.
#include "catalogue/service/SearchKeyRebuild.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/ShippedTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int kCatalogueRows = 100000;
constexpr int kTemplateRows = 2000;

// A main database whose keys were stored without their final "$": the shipped rows go,
// so that the first row in table order is one of these and the rebuild really runs.
QString incompleteKeys(const QTemporaryDir& dir) {
  startup::writeMissingTemplates(dir.path());
  const QString path = QDir(dir.path()).filePath(startup::kMainDbFile);
  store::Database db(path);
  SQLite::Transaction transaction(db.sql());
  db.exec(QStringLiteral(R"(DELETE FROM "商品"; DELETE FROM "个人模板";)"));
  SQLite::Statement drug(db.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类") VALUES (?, ?, ?, '中药'))");
  const QString herbs = QStringLiteral("黄芪当归川芎白芍熟地党参白术茯苓甘草柴胡");
  for (int i = 0; i < kCatalogueRows; ++i) {
    const QString name = herbs.mid(i % 9, 2 + i % 3) + QString::number(i);
    store::bindText(drug, 1, QString::number(i));
    store::bindText(drug, 2, name);
    store::bindText(drug, 3, name);
    drug.exec();
    drug.reset();
  }
  SQLite::Statement set(db.sql(), R"(INSERT INTO "个人模板" ("名称", "查询", "分类") VALUES (?, ?, '中药方剂'))");
  for (int i = 0; i < kTemplateRows; ++i) {
    store::bindText(set, 1, herbs.mid(i % 7, 3) + QStringLiteral("汤") + QString::number(i));
    store::bindText(set, 2, QStringLiteral(""));  // empty, not NULL: NULL never asks for a rebuild
    set.exec();
    set.reset();
  }
  transaction.commit();
  return path;
}

void RebuildOnClose(benchmark::State& state) {
  const text::StrokeCoder strokes(testing_support::shippedStrokeCodeTable());
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir dir;
    const QString path = incompleteKeys(dir);
    state.ResumeTiming();
    const catalogue::KeyRebuild rebuilt = catalogue::rebuildSearchKeys(path, strokes);
    if (rebuilt.catalogueKeys != kCatalogueRows || rebuilt.templateKeys != kTemplateRows) {
      state.SkipWithError("the rebuild did not write every key");
      break;
    }
  }
  state.counters["rows"] = kCatalogueRows + kTemplateRows;
}
BENCHMARK(RebuildOnClose)->Unit(benchmark::kMillisecond)->Iterations(3);

void LaterClose(benchmark::State& state) {
  const text::StrokeCoder strokes(testing_support::shippedStrokeCodeTable());
  QTemporaryDir dir;
  const QString path = incompleteKeys(dir);
  catalogue::rebuildSearchKeys(path, strokes);
  for (auto _ : state) benchmark::DoNotOptimize(catalogue::rebuildSearchKeys(path, strokes));
}
BENCHMARK(LaterClose)->Unit(benchmark::kMillisecond);

}  // namespace
