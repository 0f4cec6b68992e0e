// The catalogue [商品]: drugs, herbs, fee items and usage phrases. [斗位] holds the stock,
// [备用1] the purchase price, [查询] the search key (name, initials, strokes, "$").
#pragma once

#include "store/SearchKeyColumn.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace store {

// How a row's category (分类) is compared with the category asked for.
enum class CategoryMatch { EndsWith, Equals, NotEquals };

// The columns a drug list entry is made of; nullopt is a column without a value.
struct CatalogueListRow {
  QString id;  // ID号, the row's key
  std::optional<QString> name, dose, unit, usage;
};

class Catalogue {
 public:
  explicit Catalogue(Database& db) : db_(db) {}

  SearchKeyColumn searchKeys() { return SearchKeyColumn(db_, "商品"); }

  // The names of one category ([分类] equal to `category`), in name order: digits and
  // Latin letters first, then pinyin order. The name-order index serves it.
  QStringList namesInCategory(const QString& category);

  // The rows whose search key holds `keyContains` literally ("%", "_" and "\" are plain
  // characters; ASCII letter case does not matter) and whose category matches, in name
  // order. A row without a search key is never listed.
  std::vector<CatalogueListRow> search(const QString& keyContains, CategoryMatch match, const QString& category);

  // Creates the indexes the name-ordered lists use, on files made before they existed.
  // Every connection that writes [商品] then needs the name collation registered.
  static void ensureNameOrderIndexes(Database& db);

 private:
  Database& db_;
};

}  // namespace store
