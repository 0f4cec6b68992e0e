#include "store/RecordNameIndex.h"

#include <SQLiteCpp/Transaction.h>

#include <QStringList>

#include <algorithm>

namespace store {
namespace {

// Raised whenever the pieces or the triggers change meaning: older files are filled again.
constexpr int kLayout = 1;

constexpr const char* kTriggerNames[] = {"档案_片段_添加", "档案_片段_删除", "档案_片段_修改"};

// The statements that add or take away the pieces of one value of the row `row` (NEW or
// OLD) for column number `number`.
QString addPieces(const QString& row, int number, const QString& value) {
  const QString column = QString::number(number);
  return QStringLiteral(
             R"(INSERT OR IGNORE INTO "档案_片段" SELECT %1, substr(%2."%3", "位", 2), %2.rowid FROM "档案_片段位")"
             R"( WHERE "位" <= length(%2."%3");)"
             R"( INSERT OR IGNORE INTO "档案_片段" SELECT %1, '', %2.rowid WHERE length(%2."%3") > %4;)")
      .arg(column, row, value)
      .arg(kIndexedChars);
}

QString removePieces(const QString& row, int number, const QString& value) {
  return QStringLiteral(
             R"(DELETE FROM "档案_片段" WHERE "列" = %1 AND "档案" = %2.rowid AND "片段" IN)"
             R"( (SELECT substr(%2."%3", "位", 2) FROM "档案_片段位" WHERE "位" <= length(%2."%3") UNION ALL SELECT '');)")
      .arg(QString::number(number), row, value);
}

QString addBoth(const QString& row) { return addPieces(row, 0, "0") + addPieces(row, 1, "40"); }
QString removeBoth(const QString& row) { return removePieces(row, 0, "0") + removePieces(row, 1, "40"); }

bool readyIn(SQLite::Database& db) {
  try {
    SQLite::Statement layout(db, R"(SELECT "版本" FROM "档案_片段版本")");
    if (!layout.executeStep() || layout.getColumn(0).getInt() != kLayout) return false;
    SQLite::Statement triggers(db, R"(SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND tbl_name = '档案')"
                                   R"( AND name IN (?, ?, ?))");
    for (int i = 0; i < 3; ++i) triggers.bind(i + 1, kTriggerNames[i]);
    return triggers.executeStep() && triggers.getColumn(0).getInt() == 3;
  } catch (const SQLite::Exception&) {
    return false;  // no such table
  }
}

// The code points of a text, each as the QString that holds it.
std::vector<QString> characters(const QString& text) {
  std::vector<QString> out;
  for (const char32_t c : text.toUcs4()) out.push_back(QString::fromUcs4(&c, 1));
  return out;
}

// A text in every spelling its ASCII letters may have (at most four for two letters).
QStringList caseSpellings(const QString& text) {
  QStringList spellings{QString("")};
  for (const QChar c : text) {
    const bool letter = c.unicode() < 0x80 && c.isLetter();
    QStringList next;
    for (const QString& s : spellings) {
      next << s + (letter ? c.toLower() : c);
      if (letter) next << s + c.toUpper();
    }
    spellings = next;
  }
  return spellings;
}

// The text that follows every text starting with `c` in binary (UTF-8) order.
QString following(const QString& c) {
  char32_t code = c.toUcs4().front() + 1;
  if (code == 0xD800) code = 0xE000;
  return code > 0x10FFFF ? QString() : QString::fromUcs4(&code, 1);
}

}  // namespace

bool recordNameIndexReady(Database& main) { return readyIn(main.sql()); }

void ensureRecordNameIndex(Database& main) {
  if (readyIn(main.sql())) return;
  SQLite::Transaction transaction(main.sql(), SQLite::TransactionBehavior::IMMEDIATE);
  // Another workstation may have filled it while this one waited for the lock.
  if (readyIn(main.sql())) return;
  QString schema = QStringLiteral(R"(DROP TABLE IF EXISTS "档案_片段"; DROP TABLE IF EXISTS "档案_片段位";)"
                                  R"( DROP TABLE IF EXISTS "档案_片段版本";)");
  for (const char* trigger : kTriggerNames)
    schema += QStringLiteral(R"( DROP TRIGGER IF EXISTS "%1";)").arg(QString::fromUtf8(trigger));
  schema += QStringLiteral(
      R"( CREATE TABLE "档案_片段" ("列" INTEGER NOT NULL, "片段" TEXT NOT NULL, "档案" INTEGER NOT NULL,)"
      R"( PRIMARY KEY ("列", "片段", "档案")) WITHOUT ROWID;)"
      R"( CREATE TABLE "档案_片段位" ("位" INTEGER PRIMARY KEY);)"
      R"( CREATE TABLE "档案_片段版本" ("版本" INTEGER NOT NULL);)");
  schema += QStringLiteral(R"( CREATE TRIGGER "%1" AFTER INSERT ON "档案" BEGIN %2 END;)")
                .arg(QString::fromUtf8(kTriggerNames[0]), addBoth("NEW"));
  schema += QStringLiteral(R"( CREATE TRIGGER "%1" AFTER DELETE ON "档案" BEGIN %2 END;)")
                .arg(QString::fromUtf8(kTriggerNames[1]), removeBoth("OLD"));
  // Compared as bytes: a change of letter case is a change of the pieces.
  schema += QStringLiteral(
                R"( CREATE TRIGGER "%1" AFTER UPDATE ON "档案" WHEN OLD."0" IS NOT NEW."0" COLLATE BINARY)"
                R"( OR OLD."40" IS NOT NEW."40" COLLATE BINARY OR OLD.rowid IS NOT NEW.rowid BEGIN %2 %3 END;)")
                .arg(QString::fromUtf8(kTriggerNames[2]), removeBoth("OLD"), addBoth("NEW"));
  main.exec(schema);
  {
    SQLite::Statement position(main.sql(), R"(INSERT INTO "档案_片段位" ("位") VALUES (?))");
    for (int i = 1; i <= kIndexedChars; ++i) {
      position.bind(1, i);
      position.exec();
      position.reset();
    }
  }
  // Each value is read from the narrow index that holds it; the pieces go in in key order.
  for (const auto& [number, value] : {std::pair{0, "0"}, std::pair{1, "40"}}) {
    main.exec(QStringLiteral(R"(INSERT OR IGNORE INTO "档案_片段" SELECT %1, substr(d."%2", p."位", 2), d.rowid)"
                             R"( FROM "档案" d, "档案_片段位" p WHERE p."位" <= length(d."%2") ORDER BY 1, 2, 3;)"
                             R"( INSERT OR IGNORE INTO "档案_片段" SELECT %1, '', rowid FROM "档案")"
                             R"( WHERE length("%2") > %3;)")
                  .arg(QString::number(number), QString::fromUtf8(value))
                  .arg(kIndexedChars));
  }
  main.exec(QStringLiteral(R"(INSERT INTO "档案_片段版本" ("版本") VALUES (%1))").arg(kLayout));
  transaction.commit();
}

CandidateQuery candidateQuery(IndexedColumn column, const QString& search) {
  CandidateQuery query;
  const QString select =
      QStringLiteral(R"(SELECT "档案" FROM "档案_片段" WHERE "列" = %1 AND )").arg(static_cast<int>(column));
  const std::vector<QString> chars = characters(search);
  QStringList parts;
  if (chars.size() == 1) {
    // Every occurrence of the character starts a piece.
    QStringList ranges;
    for (const QString& c : caseSpellings(chars.front())) {
      const QString end = following(c);
      query.texts.push_back(c);
      if (end.isNull()) {
        ranges << select + QStringLiteral(R"("片段" >= ?)");
      } else {
        ranges << select + QStringLiteral(R"("片段" >= ? AND "片段" < ?)");
        query.texts.push_back(end);
      }
    }
    parts << ranges.join(QStringLiteral(" UNION "));
  } else {
    // The records holding every piece of the search (a few are enough to narrow it).
    QStringList pieces;
    for (size_t i = 0; i + 1 < chars.size(); ++i) {
      const QString piece = chars[i] + chars[i + 1];
      if (!pieces.contains(piece)) pieces << piece;
    }
    if (pieces.size() > 6) pieces = pieces.mid(0, 3) + pieces.mid(pieces.size() - 3);
    QStringList each;
    for (const QString& piece : pieces) {
      const QStringList spellings = caseSpellings(piece);
      for (const QString& s : spellings) query.texts.push_back(s);
      each << select + QStringLiteral(R"("片段" IN (%1))").arg(QStringList(spellings.size(), "?").join(u','));
    }
    parts << each.join(QStringLiteral(" INTERSECT "));
  }
  // Values too long to be cut into pieces are always read.
  query.sql = parts.front() + QStringLiteral(" UNION ") + select + QStringLiteral(R"("片段" = '')");
  return query;
}

}  // namespace store
