// One row of the catalogue table [商品] by meaning, and the stock it keeps.
#pragma once

#include <QString>

#include <optional>

namespace store {

// The columns that the program writes. 备用3 is a spare column that nothing reads or
// writes, so it has no field.
struct CatalogueRow {
  QString key;            // ID号
  QString searchKey;      // 查询: name-initials-strokes$
  QString usage;          // 用法
  QString name;           // 名称, stored form: brackets as braces
  QString initials;       // 拼音
  QString unit;           // 单位
  QString usualDose;      // 常用量
  QString sellingPrice;   // 单价, "0.000" form or empty
  QString purchasePrice;  // 备用1, "0.000" form or empty
  QString drawer;         // 备用2
  QString category;       // 分类, "西成药·" and a sub-category, "中药", "用法", "收费项目"
  QString stock;          // 斗位, as typed; blank when the stock is not kept

  bool operator==(const CatalogueRow&) const = default;
};

// The stock [斗位] as a number, when it is kept: nullopt for no value, a blank text or a
// text that does not begin with a number. "0" and "-3" are kept stock.
std::optional<double> keptStock(const std::optional<QString>& stock);

}  // namespace store
