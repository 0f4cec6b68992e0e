// The columns of the catalogue table [商品], each with the row field it holds: the one
// place their names are spelled; every statement on the table takes its lists from here.
#pragma once

#include "store/CatalogueRow.h"

#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace store {

using CatalogueRowField = QString CatalogueRow::*;

struct CatalogueTableColumn {
  std::string_view name;
  CatalogueRowField field;
};

// In the order a whole row is read. The stored names are the table's own: the stock is
// in 斗位, the purchase price in 备用1 and the drawer in 备用2.
inline constexpr CatalogueTableColumn kCatalogueColumns[] = {
    {"ID号", &CatalogueRow::key},        {"查询", &CatalogueRow::searchKey},
    {"用法", &CatalogueRow::usage},      {"名称", &CatalogueRow::name},
    {"拼音", &CatalogueRow::initials},   {"单位", &CatalogueRow::unit},
    {"常用量", &CatalogueRow::usualDose}, {"单价", &CatalogueRow::sellingPrice},
    {"备用1", &CatalogueRow::purchasePrice}, {"备用2", &CatalogueRow::drawer},
    {"分类", &CatalogueRow::category},   {"斗位", &CatalogueRow::stock},
};
inline constexpr int kCatalogueColumnCount = static_cast<int>(std::size(kCatalogueColumns));

// The place of the column holding `field` in the whole row's order; a field without a
// column stops the build where it is used in a constant.
constexpr int catalogueColumnIndex(CatalogueRowField field) {
  for (int i = 0; i < kCatalogueColumnCount; ++i)
    if (kCatalogueColumns[i].field == field) return i;
  throw std::logic_error("a catalogue row field without a column");
}

// The quoted name of the column holding `field`, as it stands in a statement.
inline std::string catalogueColumn(CatalogueRowField field) {
  return '"' + std::string(kCatalogueColumns[catalogueColumnIndex(field)].name) + '"';
}

// The quoted names of the columns holding `fields`, in that order, separated by ", ".
inline std::string catalogueColumns(std::initializer_list<CatalogueRowField> fields) {
  std::string list;
  for (const CatalogueRowField field : fields) list += (list.empty() ? "" : ", ") + catalogueColumn(field);
  return list;
}

// Every column, in the whole row's order.
inline std::string allCatalogueColumns() {
  std::string list;
  for (const CatalogueTableColumn& column : kCatalogueColumns)
    list += (list.empty() ? "\"" : ", \"") + std::string(column.name) + '"';
  return list;
}

}  // namespace store
