// One row of the catalogue table 商品 by meaning, and the eleven cells of its line in the
// catalogue grid.
#pragma once

#include "store/CatalogueRow.h"

#include <QString>

#include <array>

namespace catalogue {

// One stored row by meaning.
using CatalogueRow = store::CatalogueRow;

// The grid's cells of one row, in column order 名称 .. ID号.
enum CatalogueField {
  kNameField = 0,
  kUsualDoseField,
  kUnitField,
  kUsageField,
  kInitialsField,
  kCategoryField,
  kSellingPriceField,
  kPurchasePriceField,
  kStockField,
  kDrawerField,
  kKeyField,
  kCatalogueFieldCount
};
using CatalogueCells = std::array<QString, kCatalogueFieldCount>;

}  // namespace catalogue
