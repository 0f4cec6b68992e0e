// Spreadsheet files: the catalogue export of the shipped catalogue (1,446 rows) and
// reading a 10,000-row catalogue sheet back with its import rows.
#include "catalogue/service/CatalogueImport.h"
#include "catalogue/service/CatalogueSheet.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/ShippedTables.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Every row of the shipped catalogue, by name, as the export reads them.
QList<catalogue::CatalogueRow> shippedCatalogue() {
  QTemporaryDir dir;
  startup::writeMissingTemplates(dir.path());
  store::Database db(QDir(dir.path()).filePath(startup::kMainDbFile), store::Database::Mode::ReadOnly);
  SQLite::Statement query(db.sql(), std::string(R"(SELECT "名称", "常用量", "单位", "用法", "拼音", "分类", "备用1", "单价", "斗位" FROM "商品" ORDER BY "名称" COLLATE )") + store::kNameCollation);
  QList<catalogue::CatalogueRow> rows;
  while (query.executeStep()) {
    catalogue::CatalogueRow row;
    QString* columns[] = {&row.name, &row.usualDose, &row.unit, &row.usage, &row.initials,
                          &row.category, &row.purchasePrice, &row.sellingPrice, &row.stock};
    for (int c = 0; c < 9; ++c) *columns[c] = store::columnText(query, c);
    rows.append(row);
  }
  return rows;
}

void ExportShippedCatalogue(benchmark::State& state) {
  const QList<catalogue::CatalogueRow> rows = shippedCatalogue();
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("目录.xls");
  for (auto _ : state) {
    const auto outcome = spreadsheet::SpreadsheetWriter::save(catalogue::catalogueWorkbook(rows), path);
    if (!outcome.ok) state.SkipWithError(outcome.reason.toStdString().c_str());
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(ExportShippedCatalogue)->Unit(benchmark::kMillisecond);

void ReadAndMapTenThousandRows(benchmark::State& state) {
  const QList<catalogue::CatalogueRow> shipped = shippedCatalogue();
  QList<catalogue::CatalogueRow> rows;
  for (int i = 0; i < 10000; ++i) {
    catalogue::CatalogueRow row = shipped[i % shipped.size()];
    row.name += QString::number(i);
    rows.append(row);
  }
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath("目录.xls");
  spreadsheet::SpreadsheetWriter::save(catalogue::catalogueWorkbook(rows), path);
  const text::StrokeCoder strokes(testing_support::shippedStrokeCodeTable());
  for (auto _ : state) {
    const spreadsheet::SheetRows sheet = spreadsheet::SpreadsheetReader::readFirstSheet(path);
    const auto imported = catalogue::importedRows(sheet, 0, "20240305101010", strokes, {});
    if (imported.size() != rows.size()) state.SkipWithError("rows lost");
  }
}
BENCHMARK(ReadAndMapTenThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace
