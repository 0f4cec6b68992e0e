// The history list read page by page against the plain query: the same records in the
// same order with the same texts, for short and long windows, searched by name, by
// initials and by one character, also after another workstation's edits and on a file
// that does not hold the pages' index yet.
#include "prescription/service/HistoryRows.h"
#include "prescription/service/RecordsFixture.h"
#include "store/KeptConnection.h"
#include "store/RecordsRepository.h"
#include "text/PinyinInitials.h"

#include <QSet>

#include <SQLiteCpp/Transaction.h>

namespace {

using namespace prescription;
using testing_support::u16;

const QStringList kNames = {u16(u"王伟"), u16(u"王芳"), u16(u"吴敏"), u16(u"李强"), u16(u"汪伟"),
                            u16(u"张三"), u16(u"万方"), u16(u"赵王氏"), "Wang", u16(u"欧阳伟")};

class HistoryRowsTest : public testing_support::RecordsTest {
 protected:
  // Records numbered apart from their visit days, so the list's order is the numbers'.
  void addRecords(store::Database& db, int first, int count) {
    SQLite::Transaction transaction(db.sql());
    SQLite::Statement add(db.sql(), R"(INSERT INTO "档案" ("序号", "0", "1", "2", "5", "40", "发药")
                                       VALUES (?, ?, ?, ?, ?, ?, ?))");
    for (int i = first; i < first + count; ++i) {
      const QString name = kNames[(i * 7) % kNames.size()];
      add.reset();
      store::bindText(add, 1, QStringLiteral("2024%1B").arg(i, 8, 10, QLatin1Char('0')));
      store::bindText(add, 2, name);
      store::bindText(add, 3, i % 2 ? u16(u"男") : u16(u"女"));
      store::bindText(add, 4, QStringLiteral("%1岁").arg(i % 90));
      store::bindText(add, 5, QDate(2024, 2, 1).addDays((i * 13) % 34).toString("yyyy-MM-dd") +
                                  (i % 5 ? QString() : QStringLiteral(" 08:30:00")));
      store::bindText(add, 6, name + u'-' + text::PinyinInitials(name));
      store::bindText(add, 7, i % 3 ? QString("") : QStringLiteral("-已发药"));
      add.exec();
    }
    transaction.commit();
  }

  static QStringList rowsOf(const HistoryRows& rows) {
    QStringList out;
    for (int r = 0; r < rows.size(); ++r) out << rows.at(r).serial + u'|' + rows.at(r).text;
    return out;
  }
  QStringList plain(const HistoryWindow& window) const {
    const HistoryResult result = history().query(window);
    EXPECT_TRUE(result.reason.isEmpty()) << result.reason.toStdString();
    QStringList out;
    for (const HistoryItem& item : result.items) out << item.serial + u'|' + item.text;
    return out;
  }
  // Every row as the list shows it, counted to the end; the last pages read first, so
  // that pages are read again after others pushed them out.
  static QStringList listed(HistoryRows rows) {
    while (rows.countOn(700)) {
    }
    for (int r = rows.size() - 1; r >= 0; r -= HistoryRows::kPageRows) rows.at(r);
    return rowsOf(rows);
  }

  void expectSameAsPlain(store::KeptConnection& main) {
    const HistoryWindow windows[] = {
        {"", "2024-01-01", "2024-12-31"},        {"w", "2024-01-01", "2024-12-31"},
        {u16(u"王"), "2024-01-01", "2024-12-31"}, {u16(u"王伟"), "2024-02-01", "2024-02-20"},
        {"wf", "2024-01-01", "2024-12-31"},       {"", "2024-02-10", "2024-02-10"},
        {"W", "2024-02-03", "2024-03-04"},        {u16(u"伟"), "2024-03-06", "2024-03-01"},
    };
    for (const HistoryWindow& window : windows) {
      SCOPED_TRACE((window.search + ' ' + window.from + ' ' + window.to).toStdString());
      const QStringList expected = plain(window);
      EXPECT_EQ(listed(HistoryRows(main, window)), expected);
      EXPECT_EQ(listed(HistoryRows(store::Connection(mainDb), window)), expected);
    }
  }
};

TEST_F(HistoryRowsTest, ListsWhatThePlainQueryListsInItsOrderAlsoAfterAnotherWorkstationsEdits) {
  store::KeptConnection main(mainDb);
  {
    store::Database db(mainDb);
    addRecords(db, 0, 6000);
  }
  const HistoryRows broad(main, {"", "2024-01-01", "2024-12-31"});
  ASSERT_FALSE(broad.complete()) << "a long window is counted in steps";
  EXPECT_LT(broad.size(), 6000);
  expectSameAsPlain(main);

  // Another workstation adds, deletes and renames records.
  {
    store::Database other(mainDb);
    addRecords(other, 6000, 300);
    other.exec(R"(DELETE FROM "档案" WHERE rowid % 17 = 0)");
    other.exec(R"(UPDATE "档案" SET "0" = '王小伟', "40" = '王小伟-wxw' WHERE rowid % 23 = 0)");
  }
  expectSameAsPlain(main);
}

// A list counted before another workstation deleted records reads its later pages after:
// each record it shows is still stored, once, in the list's order.
TEST_F(HistoryRowsTest, AListCountedBeforeAnotherWorkstationDeletesShowsNoRecordTwice) {
  store::KeptConnection main(mainDb);
  {
    store::Database db(mainDb);
    addRecords(db, 0, 6000);
  }
  const HistoryWindow window{"", "2024-01-01", "2024-12-31"};
  HistoryRows rows(main, window);
  while (rows.countOn(700)) {
  }
  ASSERT_EQ(rows.size(), 6000);
  {
    store::Database other(mainDb);
    other.exec(R"(DELETE FROM "档案" WHERE rowid % 17 = 0)");
  }
  QStringList shown;
  for (int r = 0; r < rows.size(); ++r)
    if (!rows.at(r).serial.isEmpty()) shown << rows.at(r).serial + u'|' + rows.at(r).text;
  EXPECT_EQ(shown.size(), QSet<QString>(shown.begin(), shown.end()).size()) << "a record listed twice";
  // The first page was read before the deletes and keeps what it showed; the rest is what
  // is stored after it, in its order.
  const QString firstPageEnd = shown[HistoryRows::kPageRows - 1].section(u'|', 0, 0);
  QStringList storedAfter;
  for (const QString& row : plain(window))
    if (row.section(u'|', 0, 0) < firstPageEnd) storedAfter << row;
  EXPECT_EQ(shown.mid(HistoryRows::kPageRows), storedAfter);
}

TEST_F(HistoryRowsTest, AFileWithoutThePagesIndexListsTheSame) {
  // As an earlier build left the file: the index is made only at a close.
  {
    store::Database db(mainDb);
    addRecords(db, 0, 6000);
    db.exec(QStringLiteral(R"(DROP INDEX "%1")").arg(QString::fromUtf8(store::kHistoryPagesIndex)));
  }
  store::KeptConnection main(mainDb);
  expectSameAsPlain(main);
}

TEST_F(HistoryRowsTest, AWindowWithoutDatesListsNothing) {
  const HistoryRows rows(store::Connection(mainDb), {"", "2024-13-01", "2024-03-05"});
  EXPECT_TRUE(rows.empty());
  EXPECT_TRUE(rows.complete());
  EXPECT_EQ(rows.at(0).serial, "");
}

}  // namespace
