#include "catalogue/service/RowSave.h"

#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/CatalogueValues.h"
#include "catalogue/service/CellEditing.h"
#include "text/Blank.h"
#include "text/BraceEscapedName.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"

namespace catalogue {

CatalogueRow savedRow(const CatalogueCells& cells, int button, const text::StrokeCoder& strokes) {
  auto t = [&cells](CatalogueField field) { return text::trimBlanks(cells[field]); };
  CatalogueRow row;
  row.name = storedName(cells[kNameField]);
  row.usualDose = t(kUsualDoseField);
  row.unit = t(kUnitField);
  row.usage = t(kUsageField);
  row.initials = t(kInitialsField);
  row.category = storedCategory(t(kCategoryField), button);
  row.sellingPrice = storedPrice(cells[kSellingPriceField]);
  row.purchasePrice = storedPrice(cells[kPurchasePriceField]);
  row.stock = t(kStockField);
  row.drawer = t(kDrawerField);
  QString strokeName = withoutLineBreaks(t(kNameField));
  strokeName.remove(u'[').remove(u']');
  row.searchKey = text::CatalogSearchKey(row.name, row.initials, strokes.StrokeCode(strokeName));
  row.key = t(kKeyField);
  return row;
}

QString initialsRefusal(const CatalogueRow& row) {
  if (!text::trimBlanks(row.initials).isEmpty()) return {};
  const QString name = text::BracketedName(row.name);
  // The initials come from the name's first word, one for each Chinese character of the
  // pinyin lists, each Latin letter and each digit.
  if (text::PinyinInitials(text::trimBlanks(name)).isEmpty())
    return QStringLiteral("名称“%1”取不出拼音首字母：第一个词里没有汉字、字母或数字").arg(name);
  return QStringLiteral("拼音不能为空");
}

QString searchKeyOf(const CatalogueRow& row, const text::StrokeCoder& strokes) {
  QString strokeName = text::BracketedName(row.name);
  strokeName.remove(u'[').remove(u']');
  return text::CatalogSearchKey(row.name, row.initials, strokes.StrokeCode(strokeName));
}

namespace {

// The row `row` would be with the selling price filled in, when it reads 0.
CatalogueRow withSellingPriceFilled(CatalogueRow row, const std::optional<QString>& fillRatio) {
  if (fillRatio)
    if (const std::optional<QString> price = proposedSellingPrice(row.purchasePrice, *fillRatio, row.sellingPrice))
      row.sellingPrice = *price;
  return row;
}

}  // namespace

std::optional<CatalogueRow> rowToStore(const std::optional<CatalogueRow>& stored, const CatalogueCells& before,
                                       const CatalogueCells& cells, int button, const text::StrokeCoder& strokes,
                                       const std::optional<QString>& fillRatio) {
  const CatalogueRow typed = savedRow(cells, button, strokes);
  if (!stored) {
    // Read from the file under this key: the row was removed since.
    const QString readKey = text::trimBlanks(before[kKeyField]);
    if (!readKey.isEmpty() && readKey == typed.key) return std::nullopt;
    return withSellingPriceFilled(typed, fillRatio);  // a new row: every column
  }
  CatalogueRow row = *stored;
  const auto changed = [&](CatalogueField field) { return cells[field] != before[field]; };
  struct Column {
    CatalogueField field;
    QString CatalogueRow::*member;
  };
  static constexpr Column kColumns[] = {
      {kNameField, &CatalogueRow::name},
      {kUsualDoseField, &CatalogueRow::usualDose},
      {kUnitField, &CatalogueRow::unit},
      {kUsageField, &CatalogueRow::usage},
      {kInitialsField, &CatalogueRow::initials},
      {kCategoryField, &CatalogueRow::category},
      {kSellingPriceField, &CatalogueRow::sellingPrice},
      {kPurchasePriceField, &CatalogueRow::purchasePrice},
      {kStockField, &CatalogueRow::stock},
      {kDrawerField, &CatalogueRow::drawer},
  };
  for (const Column& column : kColumns)
    if (changed(column.field)) row.*column.member = typed.*column.member;
  if (changed(kNameField) || changed(kInitialsField)) row.searchKey = searchKeyOf(row, strokes);
  return withSellingPriceFilled(row, fillRatio);
}

CatalogueCells shownCells(const CatalogueRow& row) {
  CatalogueCells cells;
  cells[kNameField] = text::BracketedName(row.name);
  cells[kUsualDoseField] = row.usualDose;
  cells[kUnitField] = row.unit;
  cells[kUsageField] = row.usage;
  cells[kInitialsField] = row.initials;
  cells[kCategoryField] = shownCategory(row.category);
  cells[kSellingPriceField] = row.sellingPrice;
  cells[kPurchasePriceField] = row.purchasePrice;
  cells[kStockField] = row.stock;
  cells[kDrawerField] = row.drawer;
  cells[kKeyField] = row.key;
  return cells;
}

}  // namespace catalogue
