#include "store/RecordsRepository.h"

#include "store/RecordNameIndex.h"
#include "store/TextMatch.h"

#include <QStringList>

namespace store {
namespace {

// The written columns of 档案 in the order bindRecord binds them.
QStringList writtenColumns() {
  QStringList columns{QStringLiteral("序号")};
  for (int i = 0; i < kRecordHeaderColumns; ++i) columns << QString::number(i);
  columns << QStringLiteral("T1") << QStringLiteral("T2") << QStringLiteral("T3") << QStringLiteral("39")
          << QStringLiteral("40") << QStringLiteral("类别") << QStringLiteral("发药") << QStringLiteral("计价")
          << QStringLiteral("病历") << QStringLiteral("剂数");
  return columns;
}

QString quoted(const QStringList& columns) {
  QStringList out;
  for (const QString& c : columns) out << u'"' + c + u'"';
  return out.join(u", ");
}

// Binds the record's columns from parameter `first` on, in writtenColumns() order.
int bindRecord(SQLite::Statement& statement, int first, const RecordRow& r) {
  int i = first;
  bindText(statement, i++, r.serial);
  for (const QString& field : r.header) bindText(statement, i++, field);
  for (const QString* value : {&r.prescriptionText, &r.infusionCardText, &r.symptoms, &r.herbalUsage,
                               &r.nameInitials, &r.kind, &r.dispenseMark})
    bindText(statement, i++, *value);
  bindText(statement, i++, r.pricing);
  bindText(statement, i++, r.medicalRecord);
  bindText(statement, i++, r.doses);
  return i;
}

RecordRow readRecord(const SQLite::Statement& row) {
  RecordRow r;
  int i = 0;
  r.serial = columnText(row, i++);
  for (QString& field : r.header) field = columnText(row, i++);
  for (QString* value : {&r.prescriptionText, &r.infusionCardText, &r.symptoms, &r.herbalUsage,
                         &r.nameInitials, &r.kind, &r.dispenseMark})
    *value = columnText(row, i++);
  r.pricing = columnText(row, i++);
  r.medicalRecord = columnText(row, i++);
  r.doses = columnText(row, i++);
  return r;
}

std::string utf8(const QString& s) { return s.toStdString(); }

// The history list reads a date window through the visit-date index. A name search
// walks a narrow index of the name (or its initials key) and the date instead, and only
// for the rowids of the entries that match: the search is a substring that no index can
// seek, the index alone answers it, and only the few records found are read whole.
constexpr const char* kVisitDateIndex = "档案_就诊日期";
constexpr const char* kNameHistoryIndex = "档案_姓名日期";
constexpr const char* kInitialsHistoryIndex = "档案_拼音日期";

}  // namespace

std::optional<QString> RecordsRepository::dispenseMark(const QString& serial) {
  SQLite::Statement query(db_.sql(), R"(SELECT "发药" FROM "档案" WHERE "序号" = ?)");
  bindText(query, 1, serial);
  if (!query.executeStep()) return std::nullopt;
  const QString mark = columnText(query, 0);
  return mark.isNull() ? QString("") : mark;
}

void RecordsRepository::write(const RecordRow& record) {
  static const QStringList columns = writtenColumns();
  static const std::string update = [] {
    QStringList assignments;
    for (const QString& c : columns) assignments << u'"' + c + QStringLiteral("\" = ?");
    return utf8(QStringLiteral(R"(UPDATE "档案" SET %1 WHERE "序号" = ?)").arg(assignments.join(u", ")));
  }();
  static const std::string insert = utf8(QStringLiteral(R"(INSERT INTO "档案" (%1) VALUES (%2))")
                                             .arg(quoted(columns), QStringList(columns.size(), "?").join(u", ")));

  SQLite::Statement rewrite(db_.sql(), update);
  const int key = bindRecord(rewrite, 1, record);
  bindText(rewrite, key, record.serial);
  if (rewrite.exec() > 0) return;

  SQLite::Statement add(db_.sql(), insert);
  bindRecord(add, 1, record);
  add.exec();
}

std::optional<RecordRow> RecordsRepository::record(const QString& serial) {
  static const std::string select =
      utf8(QStringLiteral(R"(SELECT %1 FROM "档案" WHERE "序号" = ?)").arg(quoted(writtenColumns())));
  SQLite::Statement query(db_.sql(), select);
  bindText(query, 1, serial);
  if (!query.executeStep()) return std::nullopt;
  return readRecord(query);
}

void RecordsRepository::serialsFrom(const QString& first, const std::function<bool(const QString& serial)>& visit) {
  SQLite::Statement query(db_.sql(), R"(SELECT "序号" FROM "档案" WHERE "序号" >= ? ORDER BY "序号")");
  bindText(query, 1, first);
  while (query.executeStep())
    if (!visit(columnText(query, 0))) return;
}

bool RecordsRepository::remove(const QString& serial) {
  SQLite::Statement remove(db_.sql(), R"(DELETE FROM "档案" WHERE "序号" = ?)");
  bindText(remove, 1, serial);
  return remove.exec() > 0;
}

bool RecordsRepository::holdsAny() {
  return db_.sql().execAndGet(R"(SELECT EXISTS (SELECT 1 FROM "档案"))").getInt() != 0;
}

int RecordsRepository::visitCount(const QString& from, const QString& before) {
  SQLite::Statement query(db_.sql(), R"(SELECT count(*) FROM "档案" WHERE "5" >= ? AND "5" < ?)");
  bindText(query, 1, from);
  bindText(query, 2, before);
  query.executeStep();
  return query.getColumn(0).getInt();
}

std::vector<HistoryRow> RecordsRepository::history(const HistoryFilter& filter) {
  const bool searching = !filter.contains.isEmpty();
  const bool byInitials = filter.column == HistoryFilter::Column::NameInitials;
  const QString columns = QStringLiteral(R"(SELECT "序号", "0", "1", "2", "5", "发药" FROM "档案")");
  const QString order = QStringLiteral(R"( ORDER BY "序号" DESC)");
  const QString dates = QStringLiteral(R"("5" >= ? AND "5" < ?)");
  QString index = QString::fromUtf8(kVisitDateIndex);
  // %1 takes the index hint.
  QString text = columns + QStringLiteral("%1 WHERE ") + dates + order;
  QString test;
  if (searching) {
    registerContainsFunction(db_.sql());
    index = QString::fromUtf8(byInitials ? kInitialsHistoryIndex : kNameHistoryIndex);
    // The name test runs on the index entries; the date is compared only for those that
    // hold the text, and only their records are read.
    test = QStringLiteral(R"(%1("%2", ?))").arg(QString::fromUtf8(kContainsFunction), byInitials ? "40" : "0");
    text = columns + QStringLiteral(R"( WHERE rowid IN (SELECT rowid FROM "档案"%1 WHERE )") + test + QStringLiteral(" AND ") +
           dates + u')' + order;
  }

  const auto run = [&](const std::string& statement, const std::vector<QString>& pieces) {
    SQLite::Statement query(db_.sql(), statement);
    int p = 1;
    for (const QString& value : pieces) bindText(query, p++, value);
    if (searching) bindText(query, p++, filter.contains);
    bindText(query, p++, filter.from);
    bindText(query, p++, filter.before);
    std::vector<HistoryRow> rows;
    while (query.executeStep()) {
      rows.push_back({columnText(query, 0), columnText(query, 1), columnText(query, 2), columnText(query, 3),
                      columnText(query, 4), columnText(query, 5)});
    }
    return rows;
  };
  if (searching && recordNameIndexReady(db_)) {
    // The pieces give the few records that may hold the text; the test decides. The
    // records are reached by rowid, never by walking an index of the table.
    const CandidateQuery candidates =
        candidateQuery(byInitials ? IndexedColumn::NameInitials : IndexedColumn::Name, filter.contains);
    try {
      return run(utf8(columns + QStringLiteral(R"( NOT INDEXED WHERE rowid IN ()") + candidates.sql +
                      QStringLiteral(") AND ") + test + QStringLiteral(" AND ") + dates + order),
                 candidates.texts);
    } catch (const SQLite::Exception&) {
      // Pieces that cannot be read: the walk below answers as well, only slower.
    }
  }
  try {
    return run(utf8(text.arg(QStringLiteral(R"( INDEXED BY "%1")").arg(index))), {});
  } catch (const SQLite::Exception&) {
    // A file whose indexes could not be made (a read-only share) is read without them.
    return run(utf8(text.arg(QString())), {});
  }
}

void RecordsRepository::writePatient(const PatientRow& p) {
  const auto bindPatient = [&p](SQLite::Statement& statement) {
    int i = 1;
    for (const QString* value :
         {&p.key, &p.name, &p.sex, &p.birthYear, &p.cardNumber, &p.address, &p.diagnosis, &p.feeCategory,
          &p.phone, &p.allergy})
      bindText(statement, i++, *value);
    return i;
  };
  SQLite::Statement rewrite(db_.sql(),
                            R"(UPDATE "患者信息" SET "序号" = ?, "姓名" = ?, "性别" = ?, "年龄" = ?, "医疗证号" = ?,)"
                            R"( "住址" = ?, "诊断" = ?, "费别" = ?, "电话" = ?, "过敏史" = ?, "备用1" = '')"
                            R"( WHERE "序号" = ?)");
  bindText(rewrite, bindPatient(rewrite), p.key);
  if (rewrite.exec() > 0) return;

  SQLite::Statement add(db_.sql(),
                        R"(INSERT INTO "患者信息" ("序号", "姓名", "性别", "年龄", "医疗证号", "住址", "诊断",)"
                        R"( "费别", "电话", "过敏史", "备用1") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ''))");
  bindPatient(add);
  add.exec();
}

void ensureRecordIndexes(Database& db) {
  db.exec(QStringLiteral(R"(CREATE INDEX IF NOT EXISTS "%1" ON "档案" ("5");)"
                         R"(CREATE INDEX IF NOT EXISTS "%2" ON "档案" ("0", "5");)"
                         R"(CREATE INDEX IF NOT EXISTS "%3" ON "档案" ("40", "5");)")
              .arg(QString::fromUtf8(kVisitDateIndex), QString::fromUtf8(kNameHistoryIndex),
                   QString::fromUtf8(kInitialsHistoryIndex)));
}

}  // namespace store
