// The catalogue window at clinic scale and beyond: a keystroke in its search box up to
// the shown page over 100,000 catalogue rows, and an import of 10,000 sheet rows.
#include "catalogue/CatalogueWindow.h"
#include "catalogue/service/CatalogueImport.h"
#include "catalogue/service/CatalogueSheet.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "startup/TemplateFiles.h"
#include "store/Catalogue.h"
#include "support/ScriptedDialogs.h"
#include "support/ShippedTables.h"
#include "support/TempFolder.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>

#include <SQLiteCpp/Transaction.h>

#include <benchmark/benchmark.h>

#include <random>

namespace {

const QString kCharacters = QStringLiteral("阿莫西林布洛芬头孢克肟氨溴索维生素葡萄糖氯化钠甲硝唑硝苯地平复方丹参片银黄颗粒板蓝根");
const QStringList kCategories = {"西成药·抗生素", "西成药·输液", "西成药·心血管", "西成药·呼吸", "西成药·消化",
                                 "西成药·其他", "西成药·中成药", "中药", "收费项目"};

catalogue::CatalogueRow generatedRow(std::mt19937& random, int n, const text::StrokeCoder& strokes) {
  std::uniform_int_distribution<int> length(2, 6), character(0, static_cast<int>(kCharacters.size()) - 1);
  QString name;
  for (int i = length(random); i > 0; --i) name += kCharacters[character(random)];
  name += QStringLiteral("{%1mg}").arg(n % 500);
  catalogue::CatalogueRow row;
  row.key = QStringLiteral("B%1").arg(n);
  row.name = name;
  row.initials = text::PinyinInitials(name);
  row.category = kCategories[n % kCategories.size()];
  row.usualDose = QStringLiteral("0.25g×24");
  row.unit = QStringLiteral("盒");
  row.sellingPrice = QStringLiteral("%1.500").arg(n % 90);
  row.purchasePrice = QStringLiteral("%1.200").arg(n % 70);
  row.stock = QString::number(n % 700);
  row.searchKey = text::CatalogSearchKey(name, strokes);
  return row;
}

struct Catalogue100000 {
  Catalogue100000() : strokes(testing_support::shippedStrokeCodeTable()) {
    startup::writeMissingTemplates(folder.path());
    state.mainDbPath = QDir(folder.path()).filePath(startup::kMainDbFile);
    state.strokeCodeTable = testing_support::shippedStrokeCodeTable();
    store::Database db(state.mainDbPath);
    db.exec(QStringLiteral(R"(DELETE FROM "商品")"));
    std::mt19937 random(16);
    QList<catalogue::CatalogueRow> rows;
    for (int n = 0; n < 100000; ++n) rows.append(generatedRow(random, n, strokes));
    store::Catalogue(db).addRows(rows);
  }
  testing_support::TempFolder folder;
  text::StrokeCoder strokes;
  startup::AppState state;
  testing_support::ScriptedDialogs dialogs;
};

Catalogue100000& catalogue100000() {
  static Catalogue100000 data;
  return data;
}

// The catalogue window over the 100,000 rows, loaded and shown.
struct ShownCatalogueWindow {
  ShownCatalogueWindow() {
    form.Form_Load();
    form.show();
  }
  ui::Session session{catalogue100000().state, catalogue100000().dialogs};
  catalogue::CatalogueWindow form{session};
};

// One keystroke: the search box changes, the list is queried again and the first page
// is filled and painted. The two texts alternate, so every iteration is a change.
void SearchKeystroke(benchmark::State& state, QString first, QString second) {
  ShownCatalogueWindow shown;
  catalogue::CatalogueWindow& form = shown.form;
  bool flip = false;
  for (auto _ : state) {
    form.Text2->setText((flip = !flip) ? first : second);
    form.grid->repaint();
    state.counters["listed"] = form.grid->state().recordCount();
  }
}
// A text that narrows the western rows to a few thousand.
BENCHMARK_CAPTURE(SearchKeystroke, narrowing, QStringLiteral("阿莫"), QStringLiteral("阿莫西"))
    ->Unit(benchmark::kMillisecond);
// "-" and "$" are in every key: every western row is listed, the worst case.
BENCHMARK_CAPTURE(SearchKeystroke, everyWesternRow, QStringLiteral("-"), QStringLiteral("$"))
    ->Unit(benchmark::kMillisecond);

// The first keystroke after another workstation renamed a row: the kept keys take the
// change from the log, the order is walked again, the page filled and painted.
void SearchKeystrokeAfterAnEdit(benchmark::State& state) {
  ShownCatalogueWindow shown;
  catalogue::CatalogueWindow& form = shown.form;
  store::Database other(catalogue100000().state.mainDbPath);
  SQLite::Statement rename(other.sql(), R"(UPDATE "商品" SET "名称" = ?, "查询" = ? WHERE rowid = 500)");
  bool flip = false;
  for (auto _ : state) {
    state.PauseTiming();
    flip = !flip;
    store::bindText(rename, 1, flip ? QStringLiteral("阿莫西林改") : QStringLiteral("阿莫西林"));
    store::bindText(rename, 2, flip ? QStringLiteral("阿莫西林改-amxlg-$") : QStringLiteral("阿莫西林-amxl-$"));
    rename.exec();
    rename.reset();
    state.ResumeTiming();
    form.Text2->setText(flip ? QStringLiteral("阿莫") : QStringLiteral("阿莫西"));
    form.grid->repaint();
    state.counters["listed"] = form.grid->state().recordCount();
  }
}
BENCHMARK(SearchKeystrokeAfterAnEdit)->Unit(benchmark::kMillisecond);

// Dragging the bar's thumb over every western row: each step reads and paints a page.
void PageWhileDragging(benchmark::State& state) {
  ShownCatalogueWindow shown;
  catalogue::CatalogueWindow& form = shown.form;
  const int max = form.grid->VS1()->maximum();
  int value = 0;
  for (auto _ : state) {
    value = (value + 997) % (max + 1);  // far enough that every step reads its page
    form.grid->VS1()->setValue(value);
    form.grid->repaint();
  }
  state.counters["listed"] = form.grid->state().recordCount();
}
BENCHMARK(PageWhileDragging)->Unit(benchmark::kMillisecond);

// The queries alone, without the grid and without keys kept from an earlier search: every
// row of the list, and the ids the grid reads.
void ListingQuery(benchmark::State& state, QString typed) {
  Catalogue100000& data = catalogue100000();
  for (auto _ : state) {
    store::Database db(data.state.mainDbPath);
    state.counters["listed"] = static_cast<double>(store::Catalogue(db).listing(QStringLiteral("西成药"), typed).size());
  }
}
BENCHMARK_CAPTURE(ListingQuery, narrowing, QStringLiteral("阿莫"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListingQuery, everyWesternRow, QStringLiteral("-"))->Unit(benchmark::kMillisecond);

void ListingIdsQuery(benchmark::State& state, QString typed) {
  Catalogue100000& data = catalogue100000();
  for (auto _ : state) {
    store::Database db(data.state.mainDbPath);
    state.counters["listed"] =
        static_cast<double>(store::Catalogue(db).listingIds(QStringLiteral("西成药"), typed).size());
  }
}
BENCHMARK_CAPTURE(ListingIdsQuery, narrowing, QStringLiteral("阿莫"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListingIdsQuery, everyWesternRow, QStringLiteral("-"))->Unit(benchmark::kMillisecond);

// An import of 10,000 sheet rows into the shipped catalogue: the file read, the rows and
// their keys made, all written in one transaction.
void ImportOf10000Rows(benchmark::State& state) {
  testing_support::TempFolder folder;
  startup::writeMissingTemplates(folder.path());
  const QString dbPath = QDir(folder.path()).filePath(startup::kMainDbFile);
  const text::StrokeCoder strokes(testing_support::shippedStrokeCodeTable());
  std::mt19937 random(10);
  QList<catalogue::CatalogueRow> rows;
  for (int n = 0; n < 10000; ++n) rows.append(generatedRow(random, n, strokes));
  const QString sheetPath = QDir(folder.path()).filePath(QStringLiteral("import.xls"));
  spreadsheet::SpreadsheetWriter::save(catalogue::catalogueWorkbook(rows), sheetPath);
  int run = 0;
  for (auto _ : state) {
    const spreadsheet::SheetRows sheet = spreadsheet::SpreadsheetReader::readFirstSheet(sheetPath);
    store::Database db(dbPath);
    store::Catalogue table(db);
    const QSet<QString> taken = table.keys();
    const QList<catalogue::ImportedRow> imported =
        catalogue::importedRows(sheet, 0, QStringLiteral("2024010100%1").arg(++run, 4, 10, QLatin1Char('0')), strokes,
                                [&](const QString& key) { return taken.contains(key); });
    QList<catalogue::CatalogueRow> added;
    for (const catalogue::ImportedRow& r : imported) added.append(r.row);
    table.addRows(added);
  }
}
BENCHMARK(ImportOf10000Rows)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
