// The search-key column [查询] of a table whose key is made from the row's [名称]: the
// catalogue [商品] and the personal templates [个人模板].
#pragma once

#include "store/Database.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace store {

struct NamedRow {
  int64_t rowid = 0;
  std::optional<QString> name;  // [名称]; nullopt when it has no value
};

struct KeyWrite {
  int64_t rowid = 0;
  QString key;
};

class SearchKeyColumn {
 public:
  // `table` is one of the fixed table names, never a value handed in from outside.
  SearchKeyColumn(Database& db, const char* table) : db_(db), table_(table) {}

  // The first row's key in table order: the outer nullopt when the table is empty, the
  // inner one when that key has no value.
  std::optional<std::optional<QString>> firstKey();
  // Every row's name, in table order.
  std::vector<NamedRow> names();
  // Writes the keys in one transaction. A row that cannot take its key (refused by a
  // rule, locked) keeps its old one and the others are written; returns the keys written.
  // Only when a failure ends the whole transaction are the rows written one at a time.
  int writeKeys(const std::vector<KeyWrite>& keys, int& refused);

  // Sets every row's key to keyOf(its name, "" when it has none) in one statement and one
  // transaction. When any row refuses its key, nothing of that statement stays and the
  // rows are written through writeKeys, so that only the refusing rows keep their old key.
  int rebuildAll(const std::function<QString(const QString& name)>& keyOf, int& refused);

 private:
  std::string quotedTable() const;
  // The indexes of the table that hold the key and may be dropped and made again.
  struct MadeIndex {
    std::string name;
    std::string statement;  // as the file keeps it
  };
  std::vector<MadeIndex> keyIndexes();
  // The catalogue triggers that write the version and the change log for every updated
  // row (none on another table), and their one-time stand-in after a whole-table update.
  std::vector<MadeIndex> perRowTriggers();
  void markEveryRowChanged(const std::vector<MadeIndex>& triggers);
  int writeEachAlone(const std::vector<KeyWrite>& keys, int& refused);

  Database& db_;
  const char* table_;
};

}  // namespace store
