#include "catalogue/service/SearchKeyRebuild.h"

#include "store/Database.h"
#include "text/SearchKeys.h"

#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace catalogue {
namespace {

using KeyOf = std::function<QString(const QString& name)>;

// Rebuilds one table's keys if its first key asks for it; returns the keys written.
int rebuildTable(store::Database& db, const char* table, const KeyOf& keyOf, int& refused) {
  const std::string quoted = std::string("\"") + table + "\"";
  SQLite::Statement first(db.sql(), "SELECT \"查询\" FROM " + quoted + " ORDER BY rowid LIMIT 1");
  if (!first.executeStep()) return 0;  // an empty table: nothing to do
  const QString firstKey = store::columnText(first, 0);
  if (firstKey.isNull() || firstKey.endsWith(u'$')) return 0;
  first.reset();

  std::vector<std::pair<int64_t, QString>> rows;
  SQLite::Statement walk(db.sql(), "SELECT rowid, \"名称\" FROM " + quoted + " ORDER BY rowid");
  while (walk.executeStep()) {
    const QString name = store::columnText(walk, 1);
    rows.emplace_back(walk.getColumn(0).getInt64(), name.isNull() ? QStringLiteral("") : name);
  }
  walk.reset();

  SQLite::Statement update(db.sql(), "UPDATE " + quoted + " SET \"查询\" = ? WHERE rowid = ?");
  int written = 0;
  for (const auto& [rowid, name] : rows) {
    // A row that cannot take its key (too long for another engine, locked, refused by
    // a rule) keeps the old one; the rest of the walk goes on.
    db.sql().exec("SAVEPOINT key_row");
    try {
      store::bindText(update, 1, keyOf(name));
      update.bind(2, rowid);
      update.exec();
      update.reset();
      db.sql().exec("RELEASE key_row");
      ++written;
    } catch (const std::exception&) {
      update.tryReset();  // reports the refusal again; it is known
      db.sql().exec("ROLLBACK TO key_row");
      db.sql().exec("RELEASE key_row");
      ++refused;
    }
  }
  return written;
}

}  // namespace

KeyRebuild rebuildSearchKeys(const QString& mainDbPath, const text::StrokeCoder& strokes) {
  KeyRebuild result;
  if (!QFileInfo(mainDbPath).isFile()) return result;
  try {
    store::Database db(mainDbPath);
    SQLite::Transaction transaction(db.sql());
    const auto table = [&](const char* name, const KeyOf& keyOf) {
      try {
        return rebuildTable(db, name, keyOf, result.refused);
      } catch (const std::exception&) {
        return 0;  // the table cannot be read: passed over
      }
    };
    result.catalogueKeys =
        table("商品", [&](const QString& name) { return text::CatalogSearchKey(name, strokes); });
    result.templateKeys =
        table("个人模板", [&](const QString& name) { return text::TemplateSearchKey(name, strokes); });
    transaction.commit();
  } catch (const std::exception&) {
    // The database is unreachable or busy: nothing is rebuilt this time.
    return KeyRebuild{};
  }
  return result;
}

}  // namespace catalogue
