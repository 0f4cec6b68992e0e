// What the history list must list for a filter: the plain test over every record of the
// main file, newest number first, read without any index of the names.
#pragma once

#include "store/Database.h"
#include "store/RecordsRepository.h"
#include "store/TextMatch.h"

#include <QStringList>

namespace testing_support {

inline QStringList plainHistory(const QString& mainDb, const store::HistoryFilter& filter) {
  store::Database db(mainDb, store::Database::Mode::ReadOnly);
  store::registerContainsFunction(db.sql());
  const char* column = filter.column == store::HistoryFilter::Column::Name ? "0" : "40";
  SQLite::Statement q(db.sql(), std::string(R"(SELECT "序号" FROM "档案" WHERE tavorin_contains(")") + column +
                                    R"(", ?) AND "5" >= ? AND "5" < ? ORDER BY "序号" DESC)");
  store::bindText(q, 1, filter.contains);
  store::bindText(q, 2, filter.from);
  store::bindText(q, 3, filter.before);
  QStringList serials;
  while (q.executeStep()) serials << store::columnText(q, 0);
  return serials;
}

}  // namespace testing_support
