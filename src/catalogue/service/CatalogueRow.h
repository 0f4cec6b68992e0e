// One row of the catalogue table 商品 by meaning, and the eleven cells of its line in the
// catalogue grid.
#pragma once

#include "grid/GridConfig.h"
#include "store/CatalogueRow.h"

#include <QString>

#include <array>

namespace catalogue {

// One stored row by meaning.
using CatalogueRow = store::CatalogueRow;

// The grid's cells of one row by meaning; the grid's column order (名称 .. ID号) decides
// each place.
enum CatalogueField {
  kNameField = grid::kCatName,
  kUsualDoseField = grid::kCatDose,
  kUnitField = grid::kCatUnit,
  kUsageField = grid::kCatUsage,
  kInitialsField = grid::kCatPinyin,
  kCategoryField = grid::kCatCategory,
  kSellingPriceField = grid::kCatPrice,
  kPurchasePriceField = grid::kCatCost,
  kStockField = grid::kCatStock,
  kDrawerField = grid::kCatDrawer,
  kKeyField = grid::kCatKey,
  kCatalogueFieldCount = grid::kCatalogueFields
};
using CatalogueCells = std::array<QString, kCatalogueFieldCount>;

}  // namespace catalogue
