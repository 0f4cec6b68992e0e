#include "store/OverlayTemplateRows.h"

#include "store/Database.h"

#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <stdexcept>

namespace store {
namespace {

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

std::runtime_error failure(const QString& what, const std::exception& e) {
  return std::runtime_error(QStringLiteral("%1（%2）").arg(what, QString::fromUtf8(e.what())).toStdString());
}

void requireFile(const QString& path) {
  if (!QFileInfo(path).isFile())
    throw std::runtime_error(QStringLiteral("找不到库存数据库文件 %1").arg(path).toStdString());
}

}  // namespace

std::vector<OverlayTemplateRow> readOverlayTemplateRows(const QString& inventoryDbPath, int limit) {
  requireFile(inventoryDbPath);
  try {
    Database db(inventoryDbPath, Database::Mode::ReadOnly);
    SQLite::Statement query(db.sql(), R"(SELECT "名称", "左边距", "上边距" FROM "套打设置" ORDER BY rowid LIMIT ?)");
    query.bind(1, limit);
    std::vector<OverlayTemplateRow> rows;
    while (query.executeStep()) rows.push_back({optionalText(query, 0), optionalText(query, 1), optionalText(query, 2)});
    return rows;
  } catch (const SQLite::Exception& e) {
    throw failure(QStringLiteral("套打设置无法读取"), e);
  }
}

void replaceOverlayTemplateRows(const QString& inventoryDbPath, const std::vector<OverlayTemplateRow>& rows) {
  requireFile(inventoryDbPath);
  try {
    Database db(inventoryDbPath);
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
  } catch (const SQLite::Exception& e) {
    throw failure(QStringLiteral("套打设置无法保存"), e);
  }
}

}  // namespace store
