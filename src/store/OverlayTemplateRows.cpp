#include "store/OverlayTemplateRows.h"

#include "store/DataFile.h"

#include <SQLiteCpp/Transaction.h>

namespace store {
namespace {

constexpr const char* kTable = "套打设置";

std::optional<QString> optionalText(const SQLite::Statement& statement, int column) {
  const QString value = columnText(statement, column);
  if (value.isNull()) return std::nullopt;
  return value;
}

void bindOptional(SQLite::Statement& statement, int index, const std::optional<QString>& value) {
  if (value)
    bindText(statement, index, value->isNull() ? QStringLiteral("") : *value);
  else
    statement.bind(index);
}

}  // namespace

std::vector<OverlayTemplateRow> readOverlayTemplateRows(const QString& inventoryDbPath, int limit) {
  return guarded([&] {
    Database db = openExisting(inventoryDbPath, Database::Mode::ReadOnly);
    requireTables(db, {kTable});
    SQLite::Statement query(db.sql(), R"(SELECT "名称", "左边距", "上边距" FROM "套打设置" ORDER BY rowid LIMIT ?)");
    query.bind(1, limit);
    std::vector<OverlayTemplateRow> rows;
    while (query.executeStep()) rows.push_back({optionalText(query, 0), optionalText(query, 1), optionalText(query, 2)});
    return rows;
  });
}

void replaceOverlayTemplateRows(const QString& inventoryDbPath, const std::vector<OverlayTemplateRow>& rows) {
  guarded([&] {
    Database db = openExisting(inventoryDbPath);
    requireTables(db, {kTable});
    SQLite::Transaction transaction(db.sql(), SQLite::TransactionBehavior::IMMEDIATE);
    db.exec(QStringLiteral(R"(DELETE FROM "套打设置")"));
    SQLite::Statement insert(db.sql(), R"(INSERT INTO "套打设置" ("名称", "左边距", "上边距") VALUES (?, ?, ?))");
    for (const OverlayTemplateRow& row : rows) {
      bindOptional(insert, 1, row.printed);
      bindOptional(insert, 2, row.x);
      bindOptional(insert, 3, row.y);
      insert.exec();
      insert.reset();
    }
    transaction.commit();
  });
}

}  // namespace store
