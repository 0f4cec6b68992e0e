// The priced grid of the prescription window as plain data: 71 rows of nine text cells,
// in the order of the cell columns Lb2 to Lb10. Pricing, the save, the load, dispensing
// and printing all work on this value; the window only shows it.
#pragma once

#include <QString>

#include <array>

namespace prescription {

inline constexpr int kGridRows = 71;
inline constexpr int kGridColumns = 9;

// Cell columns in stored order (Lb2 .. Lb10).
enum GridColumn {
  kName = 0,      // Lb2 药物名称, brackets shown as "[" "]"
  kQuantity = 1,  // Lb3 数量
  kUnit = 2,      // Lb4 单位
  kPrice = 3,     // Lb5 单价
  kAmount = 4,    // Lb6 金额
  kStock = 5,     // Lb7 库存 (from 商品.斗位)
  kCategory = 6,  // Lb8 分类
  kDrawer = 7,    // Lb9 斗位 (from 商品.备用2)
  kCost = 8,      // Lb10 进价 (from 商品.备用1)
};

using PricedRow = std::array<QString, kGridColumns>;
using PricedGrid = std::array<PricedRow, kGridRows>;

// A row is in use when its name cell is not empty.
inline bool rowInUse(const PricedRow& row) { return !row[kName].isEmpty(); }

}  // namespace prescription
