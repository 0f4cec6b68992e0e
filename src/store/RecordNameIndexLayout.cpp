#include "store/RecordNameIndexLayout.h"

#include "store/RecordNameIndex.h"

#include <QStringList>

namespace store::name_index {
namespace {

constexpr const char* kTriggerNames[] = {"档案_片段_添加", "档案_片段_删除", "档案_片段_修改"};

QString quoted(const char* name) { return QStringLiteral("\"%1\"").arg(QString::fromUtf8(name)); }

// The statements that add or take away the pieces of both values of the row `row`
// (NEW or OLD).
QString addPieces(const QString& row) {
  QString sql;
  for (int number = 0; number < 2; ++number) {
    const QString value = QStringLiteral("%1.\"%2\"").arg(row, QString::fromUtf8(kColumnOf[number]));
    sql += QStringLiteral(R"( INSERT OR IGNORE INTO "档案_片段" )") + pieceRows(number, value, row + ".rowid") + u';';
  }
  return sql;
}

QString removePieces(const QString& row) {
  QString sql;
  for (int number = 0; number < 2; ++number) {
    const QString value = QStringLiteral("%1.\"%2\"").arg(row, QString::fromUtf8(kColumnOf[number]));
    sql += QStringLiteral(R"( DELETE FROM "档案_片段" WHERE "列" = %1 AND "档案" = %2.rowid AND "片段" IN)"
                          R"( (SELECT substr(%3, "位", 2) FROM "档案_片段位" WHERE "位" <= length(%3) UNION ALL SELECT '');)")
               .arg(QString::number(number), row, value);
  }
  return sql;
}

// While the pieces are being filled, every record whose pieces the triggers made or took
// away is noted: the fill leaves those records to the triggers.
QString noteChanged(const QString& rowid) {
  return QStringLiteral(R"( INSERT OR IGNORE INTO "档案_片段变动" SELECT %1 FROM "档案_片段版本" WHERE "填满" = 0;)")
      .arg(rowid);
}

// The records' highest rowid, after a delete or a change of rowid.
const QString kHighestRowid = QStringLiteral(R"((SELECT coalesce(max(rowid), 0) FROM "档案"))");

QString triggers() {
  QString sql;
  sql += QStringLiteral(R"( CREATE TRIGGER "%1" AFTER INSERT ON "档案" BEGIN%2)"
                        R"( UPDATE "档案_片段版本" SET "档案数" = "档案数" + 1, "最大档案" = max("最大档案", NEW.rowid);%3 END;)")
             .arg(QString::fromUtf8(kTriggerNames[0]), addPieces("NEW"), noteChanged("NEW.rowid"));
  sql += QStringLiteral(R"( CREATE TRIGGER "%1" AFTER DELETE ON "档案" BEGIN%2)"
                        R"( UPDATE "档案_片段版本" SET "档案数" = "档案数" - 1, "最大档案" = %3;%4 END;)")
             .arg(QString::fromUtf8(kTriggerNames[1]), removePieces("OLD"), kHighestRowid, noteChanged("OLD.rowid"));
  // Compared as bytes: a change of letter case is a change of the pieces.
  sql += QStringLiteral(R"( CREATE TRIGGER "%1" AFTER UPDATE ON "档案" WHEN OLD."0" IS NOT NEW."0" COLLATE BINARY)"
                        R"( OR OLD."40" IS NOT NEW."40" COLLATE BINARY OR OLD.rowid IS NOT NEW.rowid BEGIN%2%3)"
                        R"( UPDATE "档案_片段版本" SET "最大档案" = %4 WHERE OLD.rowid IS NOT NEW.rowid;%5%6 END;)")
             .arg(QString::fromUtf8(kTriggerNames[2]), removePieces("OLD"), addPieces("NEW"), kHighestRowid,
                  noteChanged("OLD.rowid"), noteChanged("NEW.rowid"));
  return sql;
}

bool tableExists(SQLite::Database& db, const char* name) {
  SQLite::Statement query(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
  query.bind(1, name);
  return query.executeStep();
}

}  // namespace

QString pieceRows(int number, const QString& value, const QString& rowid, const QString& source,
                  const QString& condition) {
  const QString where = condition.isEmpty() ? QString() : condition + QStringLiteral(" AND ");
  const QString positions = QStringLiteral(R"("档案_片段位" p)");
  // A value that cannot be cut into pieces of text (too long, a NUL inside, where the
  // cutting stops, or not text at all) gets the empty piece: every search reads it.
  return QStringLiteral(R"(SELECT %1, substr(%2, p."位", 2), %3 FROM %4 WHERE %5typeof(%2) = 'text' AND p."位" <= length(%2))"
                        R"( UNION ALL SELECT %1, '', %3%6 WHERE %5(typeof(%2) = 'blob' OR length(%2) > %7)"
                        R"( OR instr(%2, char(0)) > 0))")
      .arg(QString::number(number), value, rowid, source.isEmpty() ? positions : source + QStringLiteral(", ") + positions,
           where, source.isEmpty() ? QString() : QStringLiteral(" FROM ") + source)
      .arg(kIndexedChars);
}

std::optional<State> readState(SQLite::Database& db) {
  State state;
  try {
    SQLite::Statement layout(db, R"(SELECT "版本" FROM "档案_片段版本")");
    if (!layout.executeStep()) return std::nullopt;
    state.layout = layout.getColumn(0).getInt();
    if (state.layout != kLayout) return state;
    SQLite::Statement row(db, R"(SELECT "档案数", "最大档案", "填满", "填充代" FROM "档案_片段版本")");
    if (!row.executeStep()) return std::nullopt;
    state.keptCount = row.getColumn(0).getInt64();
    state.keptMaxRowid = row.getColumn(1).getInt64();
    state.filled = row.getColumn(2).getInt() == 1;
    state.generation = row.getColumn(3).getInt64();
  } catch (const SQLite::Exception&) {
    return std::nullopt;  // no such table or column
  }
  SQLite::Statement triggers(db, R"(SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND tbl_name = '档案')"
                                 R"( AND name IN (?, ?, ?))");
  for (int i = 0; i < 3; ++i) triggers.bind(i + 1, kTriggerNames[i]);
  state.triggersPresent = triggers.executeStep() && triggers.getColumn(0).getInt() == 3;
  return state;
}

void startAgain(SQLite::Database& db, qint64 generation) {
  QString sql;
  for (const char* trigger : kTriggerNames) sql += QStringLiteral(R"( DROP TRIGGER IF EXISTS %1;)").arg(quoted(trigger));
  db.exec(sql.toStdString());
  if (tableExists(db, "档案_片段")) {
    const char* aside = nullptr;
    for (const char* leftover : kLeftoverTables)
      if (!aside && !tableExists(db, leftover)) aside = leftover;
    // With every place taken (starts again faster than the clearing) the pieces go at once.
    db.exec((aside ? QStringLiteral(R"(ALTER TABLE "档案_片段" RENAME TO %1;)").arg(quoted(aside))
                   : QStringLiteral(R"(DROP TABLE "档案_片段";)"))
                .toStdString());
  }
  db.exec(QStringLiteral(
              R"(DROP TABLE IF EXISTS "档案_片段位"; DROP TABLE IF EXISTS "档案_片段版本"; DROP TABLE IF EXISTS "档案_片段变动";)"
              R"( CREATE TABLE "档案_片段" ("列" INTEGER NOT NULL, "片段" TEXT NOT NULL, "档案" INTEGER NOT NULL,)"
              R"( PRIMARY KEY ("列", "片段", "档案")) WITHOUT ROWID;)"
              R"( CREATE TABLE "档案_片段位" ("位" INTEGER PRIMARY KEY);)"
              R"( CREATE TABLE "档案_片段版本" ("版本" INTEGER NOT NULL, "档案数" INTEGER NOT NULL,)"
              R"( "最大档案" INTEGER NOT NULL, "填满" INTEGER NOT NULL, "填充代" INTEGER NOT NULL);)"
              R"( CREATE TABLE "档案_片段变动" ("档案" INTEGER PRIMARY KEY);)"
              R"( WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1))"
              R"( INSERT INTO "档案_片段位" SELECT i FROM n;)")
              .arg(kIndexedChars)
              .toStdString());
  SQLite::Statement state(db, R"(INSERT INTO "档案_片段版本" SELECT ?, count(*), coalesce(max(rowid), 0), 0, ? FROM "档案")");
  state.bind(1, kLayout);
  state.bind(2, static_cast<int64_t>(generation));
  state.exec();
  db.exec(triggers().toStdString());
}

}  // namespace store::name_index
