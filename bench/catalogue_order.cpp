// Name-ordered catalogue lists at 100,000 rows: one category in the name collation's
// order (digits and Latin letters first, then pinyin), through the name-order index,
// against the same order sorted without it.
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Catalogue.h"
#include "store/Database.h"

#include <QDir>
#include <QTemporaryDir>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 100000;
const QStringList kCategories = {"中药", "西成药·抗生素", "西成药·中成药", "西成药·心血管", "收费项目"};

// The shipped files with 100,000 generated catalogue rows, the indexes as start-up
// leaves them.
QString catalogueOf100000(const QTemporaryDir& dir) {
  startup::writeMissingTemplates(dir.path());
  const QString path = QDir(dir.path()).filePath(startup::kMainDbFile);
  store::Database db(path);
  SQLite::Transaction transaction(db.sql());
  db.exec(QStringLiteral(R"(DELETE FROM "商品")"));
  SQLite::Statement drug(db.sql(), R"(INSERT INTO "商品" ("ID号", "名称", "查询", "分类") VALUES (?, ?, '', ?))");
  const QString syllables = QStringLiteral("黄芪当归川芎白芍熟地党参白术茯苓甘草柴胡阿莫西林头孢克肟氯化钠注射液");
  for (int i = 0; i < kRows; ++i) {
    QString name = syllables.mid((i * 7) % 24, 2 + i % 5) + QString::number(i % 997);
    if (i % 13 == 0) name.prepend(QStringLiteral("0.9%"));
    store::bindText(drug, 1, QString::number(i));
    store::bindText(drug, 2, name);
    store::bindText(drug, 3, kCategories[i % kCategories.size()]);
    drug.exec();
    drug.reset();
  }
  transaction.commit();
  startup::ensureQueryIndexes(path, QDir(dir.path()).filePath(startup::kStockDbFile));
  return path;
}

void CategoryInNameOrder(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = catalogueOf100000(dir);
  store::Database db(path, store::Database::Mode::ReadOnly);
  store::Catalogue catalogue(db);
  qsizetype listed = 0;
  for (auto _ : state) listed = catalogue.namesInCategory(QStringLiteral("中药")).size();
  state.counters["listed"] = static_cast<double>(listed);
}
BENCHMARK(CategoryInNameOrder)->Unit(benchmark::kMillisecond);

// The same list sorted by the collation without an index: what the order cost before.
void CategoryInNameOrderWithoutIndex(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = catalogueOf100000(dir);
  store::Database db(path, store::Database::Mode::ReadOnly);
  SQLite::Statement query(db.sql(), std::string(R"(SELECT "名称" FROM "商品" NOT INDEXED WHERE "分类" = ?
      ORDER BY "名称" COLLATE )") + store::kNameCollation);
  for (auto _ : state) {
    store::bindText(query, 1, QStringLiteral("中药"));
    int listed = 0;
    while (query.executeStep()) ++listed;
    query.reset();
    benchmark::DoNotOptimize(listed);
  }
}
BENCHMARK(CategoryInNameOrderWithoutIndex)->Unit(benchmark::kMillisecond);

}  // namespace
