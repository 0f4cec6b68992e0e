#include "catalogue/service/CatalogueImport.h"

#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/CatalogueValues.h"
#include "text/Blank.h"
#include "text/BraceEscapedName.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"

namespace catalogue {
namespace {

// Sheet columns, from 0.
enum SheetColumn { kName, kUsualDose, kUnit, kUsage, kInitials, kCategory, kPurchasePrice, kSellingPrice, kStock };

CatalogueRow rowFrom(const spreadsheet::SheetRows& sheet, int r, bool herbal, const text::StrokeCoder& strokes) {
  auto cell = [&](SheetColumn c) { return sheet.cell(r, c); };
  auto orDefault = [&](SheetColumn c, const QString& fallback) { return cell(c).isEmpty() ? fallback : cell(c); };
  CatalogueRow row;
  row.name = text::BraceEscapedName(cell(kName));
  row.usualDose = herbal ? orDefault(kUsualDose, QStringLiteral("10")) : cell(kUsualDose);
  row.unit = herbal ? orDefault(kUnit, QStringLiteral("g")) : cell(kUnit);
  row.usage = cell(kUsage);
  row.initials = orDefault(kInitials, text::PinyinInitials(cell(kName)));
  row.category = orDefault(kCategory, herbal ? QStringLiteral("中药") : kWesternPrefix + westernSubcategories().first());
  row.purchasePrice = storedPrice(cell(kPurchasePrice));
  row.sellingPrice = storedPrice(cell(kSellingPrice));
  row.stock = cell(kStock);
  row.searchKey = text::CatalogSearchKey(row.name, strokes);
  return row;
}

}  // namespace

QList<ImportedRow> importedRows(const spreadsheet::SheetRows& sheet, int button, const QString& stamp,
                                const text::StrokeCoder& strokes, const KeyTaken& keyTaken) {
  const bool herbal = button == kHerbalButton;
  QList<ImportedRow> rows;
  qint64 counter = 1000;
  for (int r = 1; r < sheet.rows.size(); ++r) {
    ++counter;
    if (text::trimBlanks(sheet.cell(r, kName)).isEmpty()) continue;
    ImportedRow imported{r + 1, rowFrom(sheet, r, herbal, strokes)};
    QString key = stamp + QString::number(counter);
    while (keyTaken && keyTaken(key)) key = stamp + QString::number(++counter);
    imported.row.key = key;
    rows.append(imported);
  }
  return rows;
}

}  // namespace catalogue
