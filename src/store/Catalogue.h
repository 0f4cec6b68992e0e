// The catalogue [商品]: drugs, herbs, fee items and usage phrases. [斗位] holds the stock,
// [备用1] the purchase price, [备用2] the drawer, [查询] the search key (name, initials,
// strokes, "$"). Every statement binds its values; a typed text is matched literally.
#pragma once

#include "store/CatalogueListKeys.h"
#include "store/CatalogueRow.h"
#include "store/DataFile.h"
#include "store/SearchKeyColumn.h"

#include <QList>
#include <QSet>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace store {

// One stored row as the drug list searches and shows it: its columns' UTF-8 text, valid
// only during the visit; a column without a value is nullopt.
struct CatalogueSearchFields {
  std::int64_t rowid = 0;
  std::optional<std::string_view> id, name, dose, unit, usage;
  std::optional<std::string_view> searchKey;  // 查询
  std::optional<std::string_view> category;   // 分类
};

// A row of a several-row write that the store refused; nothing of the write is kept.
class RowRefused : public StoreError {
 public:
  RowRefused(int index, const QString& reason) : StoreError(reason), index_(index) {}
  int index() const { return index_; }  // in the rows handed in, from 0

 private:
  int index_;
};

// A catalogue row as a goods receipt offers it: its name (stored form), unit, prices and
// stock, each as stored.
struct ReceiptCandidate {
  QString name;   // 名称
  QString unit;   // 单位
  QString price;  // 单价: the selling price
  QString cost;   // 备用1: the purchase price
  QString stock;  // 斗位
};

// A catalogue row whose stock a goods receipt changes.
struct ReceiptStockRow {
  std::int64_t rowid = 0;
  QString stock;  // 斗位 as stored; a null text when it has no value
};

struct CatalogueListRead {
  std::optional<int64_t> version;     // nullopt: the file keeps none, the keys cannot be kept
  std::optional<int64_t> lastChange;  // the change log's latest entry; nullopt: no log
  CatalogueListKeys keys;
};

class Catalogue {
 public:
  explicit Catalogue(Database& db) : db_(db) {}

  SearchKeyColumn searchKeys() { return SearchKeyColumn(db_, "商品"); }

  // The names of one category ([分类] equal to `category`), in name order: digits and
  // Latin letters first, then pinyin order. The name-order index serves it.
  QStringList namesInCategory(const QString& category);

  // Visits every row in stored (rowid) order with what the drug list searches and shows
  // of it, then returns the rowids in name order (digits and Latin letters first, then
  // pinyin order; equal names in stored order); both from one state of the file. The
  // pages this whole read brings in are not kept on the connection: the caller keeps
  // what it needs of the rows.
  std::vector<std::int64_t> searchRows(const std::function<void(const CatalogueSearchFields&)>& visit);
  // Visits the rows with these rowids that are still stored, in the order given, as
  // searchRows does. Runs in the caller's transaction, if any.
  void searchRowsWithIds(const std::vector<std::int64_t>& rowids,
                         const std::function<void(const CatalogueSearchFields&)>& visit);
  // The rows whose category begins with `categoryPrefix` and whose search key holds
  // `searchText` (literally, ASCII letters in either case), in name order.
  std::vector<CatalogueRow> listing(const QString& categoryPrefix, const QString& searchText);
  // The same list as the row ids alone, in the same order.
  std::vector<int64_t> listingIds(const QString& categoryPrefix, const QString& searchText);
  // Every row's category and search key (and name, when kept) in the list's order, with
  // the catalogue's version they were read at: what a list kept between searches needs.
  CatalogueListRead listKeys(CatalogueListKeys::Names names = CatalogueListKeys::Names::Left);
  // The same from `kept`, read at change `keptChange`: only the rows changed since are read
  // again, and the order; the names are kept when `kept` keeps them. nullopt when the log
  // no longer holds every change since.
  std::optional<CatalogueListRead> listKeysChangedSince(const CatalogueListKeys& kept, int64_t keptChange);
  // The rows with these ids, in the order given; nullopt for an id that no row has any
  // longer (removed since it was listed).
  std::vector<std::optional<CatalogueRow>> rowsWithIds(const std::vector<int64_t>& ids);
  // The rows of the category whose stock is kept and below `threshold`, in name order.
  std::vector<CatalogueRow> lowStock(const QString& categoryPrefix, double threshold);

  // Writes the row under its key: the row with that key is rewritten, or added when there
  // is none. [备用3] is left as it is. Throws StoreError when the store refuses it.
  void saveRow(const CatalogueRow& row);
  // Saves one row under `key` in one write transaction: reads what the file holds under
  // the key now (nullopt when no row has it), asks `rowFor` for the row to store, and
  // adds it when there was none or writes only the columns whose value differs from what
  // was read. Another writer cannot come between the read and the write. [备用3] is left
  // as it is. Returns the row as the file now holds it; nullopt when `rowFor` gave none,
  // and nothing was written. Throws StoreError when the store refuses it.
  using RowFor = std::function<std::optional<CatalogueRow>(const std::optional<CatalogueRow>& stored)>;
  std::optional<CatalogueRow> saveRow(const QString& key, const RowFor& rowFor);
  // Adds the rows in one transaction: all of them or, when one is refused, none
  // (RowRefused names it).
  void addRows(const QList<CatalogueRow>& rows);
  // Removes the row with this key; returns whether there was one.
  bool deleteRow(const QString& key);
  // Removes every row whose category begins with `categoryPrefix`; returns how many.
  int clearCategory(const QString& categoryPrefix);
  // The keys in use, for a writer that must issue new ones.
  QSet<QString> keys();
  bool keyTaken(const QString& key);

  // Goods receipts. The category prefix is compared as text, never as a pattern; the
  // statements name the main schema, so they serve a joint connection too.
  // The row as a receipt offers it, while its category still begins with `categoryPrefix`;
  // nullopt when it is gone or has moved out of the category.
  std::optional<ReceiptCandidate> receiptCandidate(std::int64_t rowid, const QString& categoryPrefix);
  // The first row (in name, then stored order) named exactly `storedName` whose category
  // begins with `categoryPrefix`.
  std::optional<ReceiptStockRow> receiptStockRow(const QString& storedName, const QString& categoryPrefix);
  // Rewrites the row's selling price, purchase price and stock.
  void setPricesAndStock(std::int64_t rowid, const QString& price, const QString& cost, const QString& stock);
  // Rewrites the row's stock.
  void setStock(std::int64_t rowid, const QString& stock);

  // Creates the indexes the name-ordered lists use, on files made before they existed.
  // Every connection that writes [商品] then needs the name collation registered.
  static void ensureNameOrderIndexes(Database& db);

 private:
  Database& db_;
};

}  // namespace store
