// The history search through the name pieces answers exactly what the plain test over
// every record answers, in the same order: over generated records (names with a NUL
// inside and names stored as BLOBs among them), after writes from a second connection,
// on files whose pieces are missing or of another layout (made again exactly, even when
// other workstations refuse the fill's commits), and on a file rebuilt from its ".dump".
#include "startup/AppState.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/RecordNameIndex.h"
#include "store/RecordNameIndexFill.h"
#include "store/RecordNameIndexLayout.h"
#include "store/RecordsRepository.h"
#include "support/FileFaults.h"
#include "support/PlainHistory.h"
#include "support/TempFolder.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <SQLiteCpp/Transaction.h>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace {

using store::HistoryFilter;

// Characters the names are made of: Chinese, ASCII letters in both cases, a blank, the
// key's "-", digits and one character outside the BMP.
const QStringList kAlphabet{QStringLiteral("王"), QStringLiteral("伟"), QStringLiteral("芳"), QStringLiteral("李"),
                            "w", "W", "f", "F", "l", " ", "-", "1", QString::fromUcs4(U"\U00020000")};

class RecordNameIndexTest : public ::testing::Test {
 protected:
  RecordNameIndexTest() : mainDb(QDir(folder.path()).filePath(startup::kMainDbFile)) {
    startup::writeMissingTemplates(folder.path());
    store::Database(mainDb).exec(R"(DELETE FROM "档案")");
  }

  QString randomText(int minChars, int maxChars) {
    const int n = std::uniform_int_distribution<int>(minChars, maxChars)(random);
    QString s;
    for (int i = 0; i < n; ++i) s += kAlphabet[std::uniform_int_distribution<int>(0, kAlphabet.size() - 1)(random)];
    return s;
  }

  QString randomDate() {
    return QDate(2020, 1, 1).addDays(std::uniform_int_distribution<int>(0, 4 * 365)(random)).toString("yyyy-MM-dd");
  }

  // Makes the file one of a build that had no name pieces.
  static void dropNamePieces(store::Database& db) {
    db.exec(R"(DROP TRIGGER IF EXISTS "档案_片段_添加"; DROP TRIGGER IF EXISTS "档案_片段_删除";)"
            R"( DROP TRIGGER IF EXISTS "档案_片段_修改"; DROP TABLE IF EXISTS "档案_片段";)"
            R"( DROP TABLE IF EXISTS "档案_片段位"; DROP TABLE IF EXISTS "档案_片段版本";)");
  }

  // Adds `count` records through `db`: names of 1 to 5 characters, keys of the name, a
  // "-" and letters, some without a key; one in twenty each with a name too long for
  // pieces, a name or key with a NUL inside, a name or key stored as a BLOB (as earlier
  // builds stored some).
  void addRecords(store::Database& db, int count) {
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement add(db.sql(), R"(INSERT INTO "档案" ("序号", "0", "1", "2", "5", "40", "发药") VALUES (?, ?, ?, ?, ?, ?, ?))");
    for (int i = 0; i < count; ++i) {
      const int pick = std::uniform_int_distribution<int>(0, 19)(random);
      QString name = randomText(1, 5);
      if (pick == 0) name = QString(store::kIndexedChars, QChar(u'张')) + randomText(2, 4);
      if (pick == 4) name = randomText(1, 2) + QChar(0) + randomText(1, 3);
      QString key = name + u'-' + randomText(0, 3);
      if (pick == 1) key = QString();
      if (pick == 2) key = "";
      if (pick == 6) key = randomText(1, 2) + QChar(0) + randomText(1, 3);
      const auto bindValue = [&add](int index, const QString& value, bool asBlob) {
        const QByteArray bytes = value.toUtf8();
        if (asBlob)
          add.bind(index, bytes.constData(), int(bytes.size()));
        else
          store::bindText(add, index, value);
      };
      store::bindText(add, 1, QStringLiteral("2024%1").arg(serial++, 10, 10, QChar(u'0')));
      bindValue(2, name, pick == 5);
      store::bindText(add, 3, QStringLiteral("男"));
      store::bindText(add, 4, "30");
      store::bindText(add, 5, randomDate());
      bindValue(6, key, pick == 7 && !key.isNull());
      store::bindText(add, 7, pick == 3 ? QStringLiteral("-已发药") : QString(""));
      add.exec();
      add.reset();
    }
    transaction.commit();
  }

  // Searches: pieces of stored values of 1 to 4 characters with their letters' case
  // flipped at random, and texts no record holds.
  std::vector<QString> searches(int count) {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    std::vector<QString> stored;
    SQLite::Statement q(db.sql(), R"(SELECT "0" FROM "档案" UNION ALL SELECT "40" FROM "档案" WHERE "40" <> '')");
    while (q.executeStep()) stored.push_back(store::columnText(q, 0));
    std::vector<QString> out;
    for (int i = 0; i < count; ++i) {
      if (i % 10 == 9) {
        out.push_back(randomText(1, 4));
        continue;
      }
      const std::vector<char32_t> chars = [&] {
        const QList<uint> all = stored[std::uniform_int_distribution<size_t>(0, stored.size() - 1)(random)].toUcs4();
        return std::vector<char32_t>(all.begin(), all.end());
      }();
      const int length = std::min<int>(chars.size(), std::uniform_int_distribution<int>(1, 4)(random));
      const int from = std::uniform_int_distribution<int>(0, int(chars.size()) - length)(random);
      QString s = QString::fromUcs4(chars.data() + from, length);
      for (QChar& c : s)
        if (c.unicode() < 0x80 && random() % 2) c = c.isUpper() ? c.toLower() : c.toUpper();
      out.push_back(s);
    }
    return out;
  }

  // What the history list lists, newest number first.
  QStringList listed(const HistoryFilter& filter) {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    QStringList serials;
    for (const store::HistoryRow& row : store::RecordsRepository(db).history(filter)) serials << row.serial;
    return serials;
  }

  // The plain test over every record: what the list must show.
  QStringList expected(const HistoryFilter& filter) { return testing_support::plainHistory(mainDb, filter); }

  // Every search in both columns, over all dates and over one year; returns how many
  // searches listed something, so that a test can see it did not compare empty lists.
  int expectSameAnswers(const std::vector<QString>& texts) {
    int found = 0;
    for (const QString& text : texts) {
      for (const auto column : {HistoryFilter::Column::Name, HistoryFilter::Column::NameInitials}) {
        for (const auto& [from, before] : {std::pair{"2000-01-01", "2030-01-01"}, std::pair{"2022-01-01", "2023-01-01"}}) {
          const HistoryFilter filter{column, text, from, before};
          const QStringList want = expected(filter);
          EXPECT_EQ(listed(filter), want) << "search \"" << text.toStdString() << "\" in column "
                                          << (column == HistoryFilter::Column::Name ? "0" : "40") << " from " << from;
          if (!want.isEmpty()) ++found;
        }
      }
    }
    return found;
  }

  bool ready() {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    return store::recordNameIndexReady(db);
  }

  // Start-up's check and fill, run to the end.
  void fill() {
    store::Database main(mainDb);
    store::ensureRecordNameIndex(main);
  }

  // The fill's steps, each step that writes refused once at its commit: another
  // connection reads all through every other try, and the fill waits only briefly.
  // Returns how many tries were refused.
  int fillRefusingEveryOtherCommit() {
    store::RecordNameIndexFill fill(mainDb);
    testing_support::ShortBusyTimeout patience(20);
    int refused = 0;
    for (bool othersRead = true;; othersRead = !othersRead) {
      std::optional<store::Database> reader;
      if (othersRead) {
        reader.emplace(mainDb, store::Database::Mode::ReadOnly);
        reader->exec(QStringLiteral(R"(BEGIN; SELECT count(*) FROM "档案";)"));
      }
      try {
        if (!fill.step()) break;
      } catch (const SQLite::Exception& e) {
        EXPECT_EQ(e.getErrorCode(), SQLITE_BUSY) << e.what();
        if (e.getErrorCode() != SQLITE_BUSY) break;
        ++refused;
      }
      if (reader) reader->exec(QStringLiteral("COMMIT"));
    }
    return refused;
  }

  // The pieces that the stored records have and the index lacks, and those it holds for
  // no record: both none when the index is exact. Compared as bytes: the names' columns
  // compare without letter case, the pieces must not.
  std::pair<int, int> piecesMissingAndExtra() {
    QString all;
    for (int number = 0; number < 2; ++number) {
      if (number) all += QStringLiteral(" UNION ALL ");
      all += store::name_index::pieceRows(
          number, QStringLiteral("d.\"%1\"").arg(QString::fromUtf8(store::name_index::kColumnOf[number])),
          QStringLiteral("d.rowid"), QStringLiteral(R"("档案" d)"));
    }
    const QString made = QStringLiteral(R"(SELECT c, p COLLATE BINARY, r FROM made)");
    const QString kept = QStringLiteral(R"(SELECT "列", "片段" COLLATE BINARY, "档案" FROM "档案_片段")");
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    const auto count = [&](const QString& left, const QString& right) {
      return db.sql()
          .execAndGet(QStringLiteral(R"(WITH made(c, p, r) AS (%1) SELECT count(*) FROM (%2 EXCEPT %3))")
                          .arg(all, left, right)
                          .toStdString())
          .getInt();
    };
    return {count(made, kept), count(kept, made)};
  }

  bool tableExists(const char* name) {
    store::Database db(mainDb, store::Database::Mode::ReadOnly);
    SQLite::Statement query(db.sql(), "SELECT 1 FROM sqlite_master WHERE name = ?");
    query.bind(1, name);
    return query.executeStep();
  }

  testing_support::TempFolder folder;
  QString mainDb;
  std::mt19937 random{20241210};
  int serial = 0;
};

TEST_F(RecordNameIndexTest, SameAnswersAsThePlainTestAfterWritesFromASecondConnection) {
  ASSERT_TRUE(ready());
  {
    store::Database writer(mainDb);
    addRecords(writer, 600);
  }
  EXPECT_GT(expectSameAnswers(searches(120)), 150);

  // A second workstation edits: names and keys changed (letter case alone too), keys
  // cleared, rows deleted, a row replaced by its number, and records added.
  store::Database other(mainDb);
  other.exec(R"(UPDATE "档案" SET "0" = upper("0") WHERE rowid % 7 = 0;)"
             R"(UPDATE "档案" SET "0" = '王伟' || "0", "40" = "40" || 'wf' WHERE rowid % 11 = 0;)"
             R"(UPDATE "档案" SET "40" = NULL WHERE rowid % 13 = 0;)"
             R"(UPDATE "档案" SET "5" = '2022-06-01' WHERE rowid % 17 = 0;)"
             R"(DELETE FROM "档案" WHERE rowid % 5 = 0;)"
             R"(INSERT OR REPLACE INTO "档案" ("序号", "0", "5", "40") SELECT "序号", '李芳', '2022-02-02', 'lf')"
             R"( FROM "档案" WHERE rowid % 19 = 0;)");
  addRecords(other, 200);
  EXPECT_GT(expectSameAnswers(searches(120)), 150);
}

// The pieces of a file that has none, or another layout, are made from the records
// already stored; until then the list answers without them.
TEST_F(RecordNameIndexTest, FilledFromStoredRecordsWhenMissingOrOfAnotherLayout) {
  {
    // A file of a build that had no such index.
    store::Database writer(mainDb);
    dropNamePieces(writer);
    addRecords(writer, 300);
  }
  ASSERT_FALSE(ready());
  const std::vector<QString> texts = searches(60);
  EXPECT_GT(expectSameAnswers(texts), 60);

  fill();
  ASSERT_TRUE(ready());
  EXPECT_GT(expectSameAnswers(texts), 60);

  // The layout of an earlier build (its state row held the layout alone, its triggers
  // cut names at a NUL): made again, and its pieces cleared once the new ones are there.
  store::Database(mainDb).exec(R"(DROP TABLE "档案_片段版本"; CREATE TABLE "档案_片段版本" ("版本" INTEGER NOT NULL);)"
                               R"( INSERT INTO "档案_片段版本" VALUES (1); DELETE FROM "档案_片段" WHERE "片段" = '';)");
  EXPECT_FALSE(ready());
  fill();
  ASSERT_TRUE(ready());
  EXPECT_GT(expectSameAnswers(texts), 60);
  EXPECT_FALSE(tableExists("档案_片段_旧1"));

  // A dropped trigger makes the file out of date as well.
  store::Database(mainDb).exec(R"(DROP TRIGGER "档案_片段_添加")");
  EXPECT_FALSE(ready());
  fill();
  EXPECT_TRUE(ready());

  // A layout of a later build is left as it is, and searched without it.
  store::Database(mainDb).exec(R"(UPDATE "档案_片段版本" SET "版本" = 99)");
  fill();
  EXPECT_FALSE(ready());
  EXPECT_EQ(store::Database(mainDb).sql().execAndGet(R"(SELECT "版本" FROM "档案_片段版本")").getInt(), 99);
  EXPECT_GT(expectSameAnswers(texts), 60);
}

// A maintainer's salvage: the file's ".dump" read into a new file by the sqlite3 shell.
// The records' rowids are numbered afresh there, closing the gaps that deleted records
// left, while the pieces come over as they were and name other records. Then the records
// are put back in another order, their rowids numbered afresh without a gap.
TEST_F(RecordNameIndexTest, PiecesThatNoLongerNameTheirRecordsAreMadeAgain) {
  {
    store::Database writer(mainDb);
    addRecords(writer, 600);
    writer.exec(R"(DELETE FROM "档案" WHERE rowid % 7 = 3)");
  }
  ASSERT_TRUE(ready());
  const QString rebuilt = mainDb + QStringLiteral(".rebuilt");
  QProcess dump;
  dump.start(QStringLiteral("sqlite3"), {mainDb, QStringLiteral(".dump")});
  ASSERT_TRUE(dump.waitForFinished(60000)) << "the sqlite3 shell is needed (scripts/install-deps)";
  const QByteArray statements = dump.readAllStandardOutput();
  ASSERT_TRUE(statements.contains("INSERT INTO \"档案_片段\"")) << statements.left(400).toStdString();
  QProcess load;
  load.start(QStringLiteral("sqlite3"), {rebuilt});
  ASSERT_TRUE(load.waitForStarted());
  load.write(statements);
  load.closeWriteChannel();
  ASSERT_TRUE(load.waitForFinished(60000));
  ASSERT_TRUE(QFile::remove(mainDb));
  ASSERT_TRUE(QFile::rename(rebuilt, mainDb));

  // The search no longer reads the pieces; start-up's check makes them again.
  EXPECT_FALSE(ready());
  fill();
  ASSERT_TRUE(ready());
  const std::vector<QString> texts = searches(120);
  EXPECT_GT(expectSameAnswers(texts), 150);

  // The records put back in another order by a tool that kept the triggers as they were:
  // the highest rowid stays, the pieces name other records.
  {
    store::Database tool(mainDb);
    std::vector<std::pair<std::string, std::string>> triggers;
    {
      SQLite::Statement q(tool.sql(), "SELECT name, sql FROM sqlite_master WHERE type = 'trigger' AND tbl_name = '档案'");
      while (q.executeStep()) triggers.emplace_back(q.getColumn(0).getString(), q.getColumn(1).getString());
    }
    for (const auto& [name, sql] : triggers) tool.sql().exec("DROP TRIGGER \"" + name + "\"");
    tool.exec(R"(CREATE TEMP TABLE "倒序" AS SELECT * FROM "档案" ORDER BY rowid DESC; DELETE FROM "档案";)"
              R"( INSERT INTO "档案" SELECT * FROM "倒序";)");
    for (const auto& [name, sql] : triggers) tool.sql().exec(sql);
  }
  fill();
  ASSERT_TRUE(ready());
  EXPECT_GT(expectSameAnswers(texts), 150);
}

// A step refused at its commit (another workstation reading all through it) is undone
// whole and done again: the pieces it had moved or cleared before the refusal are neither
// lost nor taken as done. First on a file without pieces, then on one whose pieces are of
// an earlier layout, to be made again and cleared.
TEST_F(RecordNameIndexTest, StepsRefusedAtTheirCommitAreDoneAgainWhole) {
  {
    store::Database writer(mainDb);
    dropNamePieces(writer);
    addRecords(writer, 3000);
  }
  const std::vector<QString> texts = searches(60);
  for (const char* made : {"without pieces", "with an earlier layout's pieces"}) {
    SCOPED_TRACE(made);
    ASSERT_FALSE(ready());
    EXPECT_GT(fillRefusingEveryOtherCommit(), 0);
    ASSERT_TRUE(ready());
    EXPECT_EQ(piecesMissingAndExtra(), std::make_pair(0, 0));
    EXPECT_FALSE(tableExists("档案_片段_旧1"));
    EXPECT_GT(expectSameAnswers(texts), 60);
    // The layout of an earlier build: its pieces are put aside, to be cleared.
    store::Database(mainDb).exec(R"(DROP TABLE "档案_片段版本"; CREATE TABLE "档案_片段版本" ("版本" INTEGER NOT NULL);)"
                                 R"( INSERT INTO "档案_片段版本" VALUES (1);)");
  }
}

// The list reads the pieces when they are there: without them it would find nothing.
TEST_F(RecordNameIndexTest, TheListReadsThePieces) {
  store::Database main(mainDb);
  store::ensureRecordNameIndex(main);
  main.exec(R"(INSERT INTO "档案" ("序号", "0", "5", "40") VALUES ('1', '王伟芳', '2024-01-01', '王伟芳-wwf'))");
  const HistoryFilter byName{HistoryFilter::Column::Name, QStringLiteral("伟芳"), "2024-01-01", "2024-01-02"};
  const HistoryFilter byInitials{HistoryFilter::Column::NameInitials, "WF", "2024-01-01", "2024-01-02"};
  EXPECT_EQ(listed(byName), QStringList{"1"});
  EXPECT_EQ(listed(byInitials), QStringList{"1"});
  main.exec(R"(DELETE FROM "档案_片段")");
  EXPECT_TRUE(listed(byName).isEmpty());
  EXPECT_TRUE(listed(byInitials).isEmpty());
}

}  // namespace
