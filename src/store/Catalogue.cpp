#include "store/Catalogue.h"

#include "store/CatalogueColumns.h"
#include "store/CatalogueVersion.h"
#include "store/LikePattern.h"

#include <SQLiteCpp/Transaction.h>

#include <QSet>

#include <algorithm>

namespace store {
namespace {

// The columns a whole catalogue row is read and written with, in kCatalogueColumns' order.
const std::string kRowColumns = allCatalogueColumns();

// A row read with kRowColumns.
CatalogueRow rowFrom(const SQLite::Statement& q) {
  CatalogueRow row;
  for (int i = 0; i < kCatalogueColumnCount; ++i) {
    // A column without a value reads as an empty text, as the grid shows it.
    const QString value = columnText(q, i);
    row.*kCatalogueColumns[i].field = value.isNull() ? QStringLiteral("") : value;
  }
  return row;
}

// Binds the row's values from parameter 1 on, in kRowColumns' order.
void bindRow(SQLite::Statement& q, const CatalogueRow& row) {
  int i = 1;
  for (const CatalogueTableColumn& column : kCatalogueColumns) {
    const QString& value = row.*column.field;
    bindText(q, i++, value.isNull() ? QStringLiteral("") : value);
  }
}

std::string parameters(int count) {
  std::string list;
  for (int i = 0; i < count; ++i) list += i == 0 ? "?" : ", ?";
  return list;
}

const std::string kInsert =
    R"(INSERT INTO "商品" ()" + kRowColumns + ") VALUES (" + parameters(kCatalogueColumnCount) + ")";

// The assignments `"column" = ?` of the columns holding `fields`, in that order.
std::string assignments(const std::vector<CatalogueRowField>& fields) {
  std::string list;
  for (const CatalogueRowField field : fields) list += (list.empty() ? "" : ", ") + catalogueColumn(field) + " = ?";
  return list;
}

std::string orderedByName() { return std::string(R"( ORDER BY "名称" COLLATE )") + kNameCollation; }

// The catalogue list's order: by name, then category, then stored order, as the list's
// index "商品_目录序" holds its entries; walking it gives the order without comparing a name.
std::string listOrder() { return orderedByName() + R"(, "分类", rowid)"; }

}  // namespace

QStringList Catalogue::namesInCategory(const QString& category) {
  SQLite::Statement query(db_.sql(), std::string(R"(SELECT "名称" FROM "商品" WHERE "分类" = ?)") + orderedByName());
  bindText(query, 1, category);
  QStringList names;
  while (query.executeStep()) names << columnText(query, 0);
  return names;
}

namespace {

const std::string kSearchColumns =
    "SELECT rowid, " +
    catalogueColumns({&CatalogueRow::key, &CatalogueRow::name, &CatalogueRow::usualDose, &CatalogueRow::unit,
                      &CatalogueRow::usage, &CatalogueRow::searchKey, &CatalogueRow::category}) +
    R"( FROM "商品")";

CatalogueSearchFields searchFieldsOf(const SQLite::Statement& q) {
  const auto field = [&q](int i) -> std::optional<std::string_view> {
    const SQLite::Column column = q.getColumn(i);
    if (column.isNull()) return std::nullopt;
    const char* text = column.getText();
    return std::string_view(text, static_cast<size_t>(column.getBytes()));
  };
  return {q.getColumn(0).getInt64(), field(1), field(2), field(3), field(4), field(5), field(6), field(7)};
}

}  // namespace

void Catalogue::searchRowsWithIds(const std::vector<std::int64_t>& rowids,
                                  const std::function<void(const CatalogueSearchFields&)>& visit) {
  SQLite::Statement q(db_.sql(), kSearchColumns + " WHERE rowid = ?");
  for (const std::int64_t rowid : rowids) {
    q.reset();
    q.bind(1, static_cast<int64_t>(rowid));
    if (q.executeStep()) visit(searchFieldsOf(q));
  }
  q.reset();
}

std::vector<std::int64_t> Catalogue::searchRows(const std::function<void(const CatalogueSearchFields&)>& visit) {
  std::vector<std::int64_t> order;
  {
    // One read transaction: the rows and their order come from the same state of the file.
    SQLite::Transaction transaction(db_.sql());
    {
      SQLite::Statement q(db_.sql(), kSearchColumns + " ORDER BY rowid");
      while (q.executeStep()) visit(searchFieldsOf(q));
    }
    // The name order comes from walking the name-order index, whose entries are in that
    // order and, among equal names, in stored order: no name is compared here.
    const auto rowids = [this](const std::string& sql) {
      SQLite::Statement statement(db_.sql(), sql);
      std::vector<std::int64_t> ids;
      while (statement.executeStep()) ids.push_back(statement.getColumn(0).getInt64());
      return ids;
    };
    try {
      order = rowids(R"(SELECT rowid FROM "商品" INDEXED BY "商品_名称序")" + orderedByName());
    } catch (const SQLite::Exception&) {
      // A file without the index (a read-only share where it could not be made).
      order = rowids(R"(SELECT rowid FROM "商品")" + orderedByName() + ", rowid");
    }
  }
  db_.releaseCachedPages();
  return order;
}

// The catalogue list without a search text: rows whose category begins with the prefix.
// "+" keeps the category index out: the rows are read in the list's order from its index,
// which holds the category, and are never sorted.
static SQLite::Statement listingQuery(Database& db, const std::string& columns, const QString& categoryPrefix) {
  SQLite::Statement q(db.sql(), "SELECT " + columns + R"( FROM "商品" WHERE +"分类" LIKE ? ESCAPE '\')" + listOrder());
  bindText(q, 1, escapedForLike(categoryPrefix) + u'%');
  return q;
}

namespace {

// Every rowid of the catalogue in the list's order.
std::vector<int64_t> listOrderOfRows(Database& db, size_t expected) {
  SQLite::Statement walk(db.sql(), std::string(R"(SELECT rowid FROM "商品")") + listOrder());
  std::vector<int64_t> order;
  order.reserve(expected);
  while (walk.executeStep()) order.push_back(walk.getColumn(0).getInt64());
  return order;
}

std::optional<std::string_view> textOf(const SQLite::Statement& q, int i) {
  const SQLite::Column column = q.getColumn(i);
  if (column.isNull()) return std::nullopt;
  return std::string_view(column.getText(), size_t(column.getBytes()));
}

}  // namespace

namespace {

// The columns a list key row is read from: category, key and, when kept, the name.
std::string listKeyColumns(CatalogueListKeys::Names names) {
  return catalogueColumns({&CatalogueRow::category, &CatalogueRow::searchKey}) + ", " +
         (names == CatalogueListKeys::Names::Kept ? catalogueColumn(&CatalogueRow::name) : "''");
}

void addListKey(CatalogueListKeys& keys, int64_t rowid, const SQLite::Statement& q, int first) {
  keys.add(rowid, textOf(q, first).value_or(std::string_view()), textOf(q, first + 1),
           textOf(q, first + 2).value_or(std::string_view()));
}

}  // namespace

CatalogueListRead Catalogue::listKeys(CatalogueListKeys::Names names) {
  return guarded([&] {
    // One read transaction: the keys are those of the version read with them.
    SQLite::Transaction transaction(db_.sql());
    CatalogueListRead read{catalogueVersion(db_), lastCatalogueChange(db_), CatalogueListKeys(names)};
    // The search key is in no index: the closing rebuild rewrites every key, and an index
    // holding them would have to be sorted again by name each time. The table is read in
    // stored order and the rows then put in the list's order by walking its index.
    SQLite::Statement stored(db_.sql(), "SELECT rowid, " + listKeyColumns(names) + R"( FROM "商品" ORDER BY rowid)");
    while (stored.executeStep()) addListKey(read.keys, stored.getColumn(0).getInt64(), stored, 1);
    read.keys.reorder(listOrderOfRows(db_, read.keys.size()));
    read.keys.packInOrder();
    db_.releaseCachedPages();
    return read;
  });
}

std::optional<CatalogueListRead> Catalogue::listKeysChangedSince(const CatalogueListKeys& kept, int64_t keptChange) {
  return guarded([&]() -> std::optional<CatalogueListRead> {
    SQLite::Transaction transaction(db_.sql());
    CatalogueListRead read{catalogueVersion(db_), lastCatalogueChange(db_), CatalogueListKeys(kept.names())};
    const std::optional<std::vector<int64_t>> changed = catalogueRowsChangedAfter(db_, keptChange);
    if (!changed || !read.lastChange) return std::nullopt;
    read.keys = kept.without(*changed);
    SQLite::Statement row(db_.sql(), "SELECT " + listKeyColumns(kept.names()) + R"( FROM "商品" WHERE rowid = ?)");
    for (const int64_t rowid : *changed) {
      row.bind(1, static_cast<int64_t>(rowid));
      if (row.executeStep()) addListKey(read.keys, rowid, row, 0);
      row.reset();
    }
    read.keys.reorder(listOrderOfRows(db_, read.keys.size()));
    return read;
  });
}

std::vector<CatalogueRow> Catalogue::listing(const QString& categoryPrefix, const QString& searchText) {
  return guarded([&] {
    std::vector<CatalogueRow> rows;
    if (searchText.isEmpty()) {
      SQLite::Statement q = listingQuery(db_, kRowColumns, categoryPrefix);
      while (q.executeStep()) rows.push_back(rowFrom(q));
      return rows;
    }
    const std::vector<int64_t> ids = listingIds(categoryPrefix, searchText);
    SQLite::Transaction transaction(db_.sql());
    for (std::optional<CatalogueRow>& row : rowsWithIds(ids))
      if (row) rows.push_back(std::move(*row));
    return rows;
  });
}

std::vector<int64_t> Catalogue::listingIds(const QString& categoryPrefix, const QString& searchText) {
  return listKeys().keys.matching(categoryPrefix, searchText);
}

std::vector<std::optional<CatalogueRow>> Catalogue::rowsWithIds(const std::vector<int64_t>& ids) {
  return guarded([&] {
    SQLite::Statement q(db_.sql(), "SELECT " + kRowColumns + R"( FROM "商品" WHERE rowid = ?)");
    std::vector<std::optional<CatalogueRow>> rows;
    rows.reserve(ids.size());
    for (const int64_t id : ids) {
      q.bind(1, id);
      rows.push_back(q.executeStep() ? std::optional<CatalogueRow>(rowFrom(q)) : std::nullopt);
      q.reset();
    }
    return rows;
  });
}

std::vector<CatalogueRow> Catalogue::lowStock(const QString& categoryPrefix, double threshold) {
  return guarded([&] {
    SQLite::Statement q(db_.sql(),
                        "SELECT " + kRowColumns + R"( FROM "商品" WHERE +"分类" LIKE ? ESCAPE '\')" + orderedByName());
    bindText(q, 1, escapedForLike(categoryPrefix) + u'%');
    std::vector<CatalogueRow> rows;
    while (q.executeStep()) {
      constexpr int kStockColumn = catalogueColumnIndex(&CatalogueRow::stock);
      const QString stock = columnText(q, kStockColumn);
      const std::optional<double> kept =
          keptStock(stock.isNull() ? std::nullopt : std::optional<QString>(stock));
      if (kept && *kept < threshold) rows.push_back(rowFrom(q));
    }
    return rows;
  });
}

void Catalogue::saveRow(const CatalogueRow& row) {
  guarded([&] {
    SQLite::Transaction transaction(db_.sql());
    std::vector<CatalogueRowField> every;
    for (const CatalogueTableColumn& column : kCatalogueColumns) every.push_back(column.field);
    SQLite::Statement update(db_.sql(), R"(UPDATE "商品" SET )" + assignments(every) + R"( WHERE "ID号" = ?)");
    bindRow(update, row);
    bindText(update, kCatalogueColumnCount + 1, row.key);
    if (update.exec() == 0) {
      SQLite::Statement insert(db_.sql(), kInsert);
      bindRow(insert, row);
      insert.exec();
    }
    transaction.commit();
  });
}

std::optional<CatalogueRow> Catalogue::saveRow(const QString& key, const RowFor& rowFor) {
  std::optional<CatalogueRow> written;
  guarded([&] {
    // IMMEDIATE: the write lock is taken before the row is read.
    SQLite::Transaction transaction(db_.sql(), SQLite::TransactionBehavior::IMMEDIATE);
    std::optional<CatalogueRow> stored;
    {
      SQLite::Statement read(db_.sql(), "SELECT " + kRowColumns + R"( FROM "商品" WHERE "ID号" = ?)");
      bindText(read, 1, key);
      if (read.executeStep()) stored = rowFrom(read);
    }
    written = rowFor(stored);
    if (!written) return;
    const CatalogueRow& row = *written;
    if (!stored) {
      SQLite::Statement insert(db_.sql(), kInsert);
      bindRow(insert, row);
      insert.exec();
    } else {
      // Only the changed columns are written, the key's never; their names come from the
      // fixed column list, only the values are bound.
      std::vector<CatalogueRowField> changed;
      for (const CatalogueTableColumn& column : kCatalogueColumns)
        if (column.field != &CatalogueRow::key && row.*column.field != (*stored).*column.field)
          changed.push_back(column.field);
      if (!changed.empty()) {
        SQLite::Statement update(db_.sql(), R"(UPDATE "商品" SET )" + assignments(changed) + R"( WHERE "ID号" = ?)");
        int i = 1;
        for (const CatalogueRowField field : changed) {
          const QString& value = row.*field;
          bindText(update, i++, value.isNull() ? QStringLiteral("") : value);
        }
        bindText(update, i, key);
        update.exec();
      }
    }
    transaction.commit();
  });
  return written;
}

void Catalogue::addRows(const QList<CatalogueRow>& rows) {
  guarded([&] {
    SQLite::Transaction transaction(db_.sql());
    SQLite::Statement insert(db_.sql(), kInsert);
    for (qsizetype i = 0; i < rows.size(); ++i) {
      try {
        bindRow(insert, rows[i]);
        insert.exec();
        insert.reset();
      } catch (const std::exception& e) {
        throw RowRefused(static_cast<int>(i), failureReason(e));
      }
    }
    transaction.commit();
  });
}

bool Catalogue::deleteRow(const QString& key) {
  return guarded([&] {
    SQLite::Statement q(db_.sql(), R"(DELETE FROM "商品" WHERE "ID号" = ?)");
    bindText(q, 1, key);
    return q.exec() > 0;
  });
}

int Catalogue::clearCategory(const QString& categoryPrefix) {
  return guarded([&] {
    SQLite::Statement q(db_.sql(), R"(DELETE FROM "商品" WHERE "分类" LIKE ? ESCAPE '\')");
    bindText(q, 1, escapedForLike(categoryPrefix) + u'%');
    return q.exec();
  });
}

QSet<QString> Catalogue::keys() {
  return guarded([&] {
    SQLite::Statement q(db_.sql(), R"(SELECT "ID号" FROM "商品")");
    QSet<QString> keys;
    while (q.executeStep()) keys.insert(columnText(q, 0));
    return keys;
  });
}

bool Catalogue::keyTaken(const QString& key) {
  return guarded([&] {
    SQLite::Statement q(db_.sql(), R"(SELECT 1 FROM "商品" WHERE "ID号" = ?)");
    bindText(q, 1, key);
    return q.executeStep();
  });
}

void Catalogue::ensureNameOrderIndexes(Database& db) {
  const std::string collation = kNameCollation;
  // The list's index once held the search key too: every closing rebuild then sorted it
  // again. It is made again without the key, in one transaction, so that no other
  // workstation ever finds the file without it.
  SQLite::Statement heldKey(db.sql(), R"(SELECT 1 FROM pragma_index_info('商品_目录序') WHERE name = '查询')");
  if (heldKey.executeStep()) {
    heldKey.reset();
    SQLite::Transaction transaction(db.sql());
    db.sql().exec(R"(DROP INDEX "商品_目录序")");
    db.sql().exec(R"(CREATE INDEX "商品_目录序" ON "商品" ("名称" COLLATE )" + collation + R"(, "分类");)");
    transaction.commit();
  }
  db.sql().exec(R"(CREATE INDEX IF NOT EXISTS "商品_名称序" ON "商品" ("名称" COLLATE )" + collation + ");" +
                R"(CREATE INDEX IF NOT EXISTS "商品_分类名称序" ON "商品" ("分类", "名称" COLLATE )" + collation + ");" +
                R"(CREATE INDEX IF NOT EXISTS "商品_目录序" ON "商品" ("名称" COLLATE )" + collation + R"(, "分类");)");
}

std::optional<ReceiptCandidate> Catalogue::receiptCandidate(std::int64_t rowid, const QString& categoryPrefix) {
  SQLite::Statement q(db_.sql(), "SELECT " +
                                     catalogueColumns({&CatalogueRow::name, &CatalogueRow::unit,
                                                       &CatalogueRow::sellingPrice, &CatalogueRow::purchasePrice,
                                                       &CatalogueRow::stock}) +
                                     R"( FROM main."商品" WHERE rowid = ? AND "分类" LIKE ? ESCAPE '\')");
  q.bind(1, static_cast<int64_t>(rowid));
  bindText(q, 2, escapedForLike(categoryPrefix) + u'%');
  if (!q.executeStep()) return std::nullopt;
  return ReceiptCandidate{columnText(q, 0), columnText(q, 1), columnText(q, 2), columnText(q, 3), columnText(q, 4)};
}

std::optional<ReceiptStockRow> Catalogue::receiptStockRow(const QString& storedName, const QString& categoryPrefix) {
  SQLite::Statement q(db_.sql(), "SELECT rowid, " + catalogueColumn(&CatalogueRow::stock) + R"( FROM main."商品"
                                   WHERE "名称" = ?1 AND substr("分类", 1, length(?2)) = ?2
                                   ORDER BY "名称", rowid LIMIT 1)");
  bindText(q, 1, storedName);
  bindText(q, 2, categoryPrefix);
  if (!q.executeStep()) return std::nullopt;
  return ReceiptStockRow{q.getColumn(0).getInt64(), columnText(q, 1)};
}

void Catalogue::setPricesAndStock(std::int64_t rowid, const QString& price, const QString& cost,
                                  const QString& stock) {
  SQLite::Statement update(db_.sql(), R"(UPDATE main."商品" SET )" +
                                          assignments({&CatalogueRow::sellingPrice, &CatalogueRow::purchasePrice,
                                                       &CatalogueRow::stock}) +
                                          " WHERE rowid = ?");
  bindText(update, 1, price);
  bindText(update, 2, cost);
  bindText(update, 3, stock);
  update.bind(4, static_cast<int64_t>(rowid));
  update.exec();
}

void Catalogue::setStock(std::int64_t rowid, const QString& stock) {
  SQLite::Statement update(db_.sql(),
                           R"(UPDATE main."商品" SET )" + assignments({&CatalogueRow::stock}) + " WHERE rowid = ?");
  bindText(update, 1, stock);
  update.bind(2, static_cast<int64_t>(rowid));
  update.exec();
}

}  // namespace store
