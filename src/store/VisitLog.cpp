#include "store/VisitLog.h"

namespace store {

int VisitLog::count(const QString& from, const QString& before, int atMost) {
  // The count stops at `atMost`, so a range far beyond it is told as fast as one just
  // beyond it.
  SQLite::Statement query(db_.sql(),
                          R"(SELECT count(*) FROM (SELECT 1 FROM "档案" WHERE "5" >= ? AND "5" < ? LIMIT ?))");
  bindText(query, 1, from);
  bindText(query, 2, before);
  query.bind(3, atMost);
  query.executeStep();
  return query.getColumn(0).getInt();
}

std::vector<VisitRow> VisitLog::visits(const QString& from, const QString& before) {
  SQLite::Statement query(db_.sql(), R"(SELECT "0", "1", "2", "6", "4", substr("5", 1, 10) FROM "档案"
                                        WHERE "5" >= ? AND "5" < ? ORDER BY "序号")");
  bindText(query, 1, from);
  bindText(query, 2, before);
  std::vector<VisitRow> rows;
  while (query.executeStep()) {
    rows.push_back({columnText(query, 0), columnText(query, 1), columnText(query, 2), columnText(query, 3),
                    columnText(query, 4), columnText(query, 5)});
  }
  return rows;
}

}  // namespace store
