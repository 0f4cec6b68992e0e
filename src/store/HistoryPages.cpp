#include "store/HistoryPages.h"

#include "store/RecordNameIndex.h"
#include "store/TextMatch.h"

namespace store {
namespace {

constexpr const char* kVisitDateIndex = "档案_就诊日期";

QString nameColumn(const HistoryFilter& filter) {
  return filter.column == HistoryFilter::Column::NameInitials ? QStringLiteral("40") : QStringLiteral("0");
}

// The walk: `columns` of the filter's records after a number, newest first, on the index
// alone until a record is listed. A file without the index (one that could not be
// written) is walked without it.
template <class Read>
void walk(Database& db, const QString& columns, const HistoryFilter& filter, const std::optional<QString>& after,
          int limit, Read&& read) {
  const bool searching = !filter.contains.isEmpty();
  if (searching) registerContainsFunction(db.sql());
  QString where = QStringLiteral(R"("序号" IS NOT NULL AND "5" >= ? AND "5" < ?)");
  if (after) where += QStringLiteral(R"( AND "序号" < ?)");
  if (searching) where += QStringLiteral(R"( AND %1("%2", ?))").arg(QString::fromUtf8(kContainsFunction), nameColumn(filter));
  const QString text = QStringLiteral(R"(SELECT %1 FROM "档案"%2 WHERE %3 ORDER BY "序号" DESC LIMIT ?)");
  const auto run = [&](const QString& hint) {
    SQLite::Statement query(db.sql(), text.arg(columns, hint, where).toStdString());
    int p = 1;
    bindText(query, p++, filter.from);
    bindText(query, p++, filter.before);
    if (after) bindText(query, p++, *after);
    if (searching) bindText(query, p++, filter.contains);
    query.bind(p, limit);
    while (query.executeStep()) read(query);
  };
  try {
    run(QStringLiteral(R"( INDEXED BY "%1")").arg(QString::fromUtf8(kHistoryPagesIndex)));
  } catch (const SQLite::Exception&) {
    run(QString());
  }
}

}  // namespace

std::optional<std::vector<HistoryRow>> historyIfFew(Database& db, const HistoryFilter& filter, int most) {
  // How many index entries the list may have to read: the candidates of a name search
  // when the name's pieces tell them, else the visit days' records. The candidates of one
  // character are not counted: telling them apart takes as long as the walk itself.
  QString count;
  std::vector<QString> values;
  if (!filter.contains.isEmpty()) {
    if (filter.contains.size() < 2 || !recordNameIndexReady(db)) return std::nullopt;
    const CandidateQuery candidates = candidateQuery(
        filter.column == HistoryFilter::Column::NameInitials ? IndexedColumn::NameInitials : IndexedColumn::Name,
        filter.contains);
    count = QStringLiteral("SELECT count(*) FROM (%1 LIMIT ?)").arg(candidates.sql);
    values = candidates.texts;
  } else {
    count = QStringLiteral(R"(SELECT count(*) FROM (SELECT 1 FROM "档案" INDEXED BY "%1" WHERE "5" >= ? AND "5" < ? LIMIT ?))")
                .arg(QString::fromUtf8(kVisitDateIndex));
    values = {filter.from, filter.before};
  }
  try {
    SQLite::Statement query(db.sql(), count.toStdString());
    int p = 1;
    for (const QString& value : values) bindText(query, p++, value);
    query.bind(p, most + 1);
    if (!query.executeStep() || query.getColumn(0).getInt() > most) return std::nullopt;
  } catch (const SQLite::Exception&) {
    return std::nullopt;  // the walk answers as well
  }
  return RecordsRepository(db).history(filter);
}

std::vector<HistoryRow> historyPage(Database& db, const HistoryFilter& filter, const std::optional<QString>& after,
                                    int limit) {
  std::vector<HistoryRow> rows;
  walk(db, QStringLiteral(R"("序号", "0", "1", "2", "5", "发药")"), filter, after, limit,
       [&](const SQLite::Statement& q) {
         rows.push_back({columnText(q, 0), columnText(q, 1), columnText(q, 2), columnText(q, 3), columnText(q, 4),
                         columnText(q, 5)});
       });
  return rows;
}

std::vector<QString> historySerials(Database& db, const HistoryFilter& filter, const std::optional<QString>& after,
                                    int limit) {
  std::vector<QString> serials;
  walk(db, QStringLiteral(R"("序号")"), filter, after, limit,
       [&](const SQLite::Statement& q) { serials.push_back(columnText(q, 0)); });
  return serials;
}

}  // namespace store
