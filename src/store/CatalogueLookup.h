// Finding catalogue rows [商品] by a drug name the way the desk has always matched them:
// blanks at the end of either name and ASCII letter case do not count; blanks in front
// do. Pricing reads a row's priced columns by name and category; dispensing, its undo and
// the delete read and rewrite a row's stock ([斗位]) by name and category prefix. When
// several rows match, the first stored one counts.
#pragma once

#include "store/Database.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace store {

// Which categories ([分类]) a pricing look-up may find.
enum class PricingCategories {
  AllButUsageAndHerbs,  // ordinary prescriptions: not "用法", not "中药"
  Herbs,                // "中药"
  FeeItems,             // "收费项目"
};

// The columns of a catalogue row that a priced line copies, in stored form (names with
// braces). A NULL column reads as empty.
struct CataloguePriceRow {
  QString name;      // 名称
  QString unit;      // 单位
  QString price;     // 单价, selling price
  QString stock;     // 斗位 holds the stock
  QString category;  // 分类
  QString drawer;    // 备用2 holds the drawer position
  QString cost;      // 备用1 holds the purchase price
};

// A catalogue row whose stock a dispensing operation changes.
struct StockRow {
  std::int64_t rowId = 0;
  QString stock;  // 斗位 as stored; blank (or NULL, read as empty) when the stock is not kept
};

class CatalogueLookup {
 public:
  explicit CatalogueLookup(Database& db);

  // The first row named `storedName` (brace form) within the categories.
  std::optional<CataloguePriceRow> priced(const QString& storedName, PricingCategories categories);

  // The first row named `storedName` (brace form) whose category begins with
  // `categoryPrefix` (letter case aside; an empty prefix takes any category).
  std::optional<StockRow> stockRow(const QString& storedName, const QString& categoryPrefix);
  void setStock(std::int64_t rowId, const QString& stock);

  // The index the name match walks: the name without its trailing blanks, case folded.
  // Created when missing, also on files made before it existed.
  static void ensureNameMatchIndex(Database& db);

 private:
  SQLite::Statement priceQuery_[3];
  SQLite::Statement stockQuery_;
  SQLite::Statement stockUpdate_;
};

}  // namespace store
