#include "prescription/service/HerbalUsages.h"

#include "store/Database.h"
#include "text/SearchKeys.h"

#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

namespace prescription {
namespace {

// [诊断]: 拼音 names the list, 序号 holds the phrase, 名称 its key.
QStringList phrasesOf(store::Database& db, const QString& list) {
  SQLite::Statement query(db.sql(), R"(SELECT "序号" FROM "诊断" WHERE "拼音" = ? ORDER BY rowid)");
  store::bindText(query, 1, list);
  QStringList phrases;
  while (query.executeStep()) phrases << store::columnText(query, 0);
  return phrases;
}

}  // namespace

QStringList defaultHerbalUsages() {
  return {QStringLiteral("用法：加水100ml分3次煎服。"), QStringLiteral("用法：水煎或酒水各半煎服。")};
}

QStringList seedHerbalUsages(const QString& mainDbPath) {
  if (!QFileInfo(mainDbPath).isFile()) return {};
  try {
    store::Database db(mainDbPath);
    QStringList phrases = phrasesOf(db, kHerbalUsageList);
    if (!phrases.isEmpty()) return phrases;

    SQLite::Transaction transaction(db.sql());
    SQLite::Statement insert(db.sql(), R"(INSERT OR IGNORE INTO "诊断" ("序号", "拼音", "名称") VALUES (?, ?, ?))");
    for (const QString& phrase : defaultHerbalUsages()) {
      store::bindText(insert, 1, phrase);
      store::bindText(insert, 2, kHerbalUsageList);
      store::bindText(insert, 3, text::NameInitialsKey(phrase));
      insert.exec();
      insert.reset();
    }
    transaction.commit();
    // What is stored now: a phrase already kept in another list is not added twice.
    return phrasesOf(db, kHerbalUsageList);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace prescription
