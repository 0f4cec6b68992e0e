// The outpatient log's range, count, records and margins against a main file made from
// the template.
#include "clinical/service/OutpatientLog.h"
#include "clinical/service/OutpatientLogSheet.h"
#include "spreadsheet/ExportFile.h"
#include "spreadsheet/SpreadsheetWriter.h"

#include "support/MainDbFixture.h"
#include "support/ScriptedDialogs.h"
#include "support/XlrdReadBack.h"

#include <QFile>
#include <QJsonArray>

namespace {

using clinical::LogRange;

class OutpatientLogTest : public testing_support::MainDbTest {
 protected:
  // A visit: serial, name, visit date as stored, and a telephone in [4].
  void addVisit(const QString& serial, const QString& name, const QString& visitDate,
                const QString& phone = QStringLiteral("01234567890")) {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "档案" ("序号", "0", "1", "2", "4", "5", "6")
                                     VALUES (?, ?, '男', '30岁', ?, ?, '感冒'))");
    store::bindText(q, 1, serial);
    store::bindText(q, 2, name);
    store::bindText(q, 3, phone);
    store::bindText(q, 4, visitDate);
    q.exec();
  }
};

TEST(OutpatientLogRange, OnlyWellFormedDatesAndBoundsPutInOrder) {
  const struct {
    const char* first;
    const char* last;
    bool valid;
    const char* from;
    const char* to;
  } cases[] = {
      {"2024-03-01", "2024-03-31", true, "2024-03-01", "2024-03-31"},
      {"2024-03-31", "2024-03-01", true, "2024-03-01", "2024-03-31"},  // reversed: swapped
      {"2016/13/45", "2024-03-01", false, "", ""},
      {"", "2024-03-01", false, "", ""},
      {"2024-02-30", "2024-03-01", false, "", ""},
      {"2024-3-1", "2024-03-01", false, "", ""},
      {"2024-03-01' OR '1'='1", "2024-03-01", false, "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    const auto range = clinical::logRange(QString::fromUtf8(c.first), QString::fromUtf8(c.last));
    ASSERT_EQ(range.has_value(), c.valid);
    if (!range) continue;
    EXPECT_EQ(range->from, QString::fromUtf8(c.from));
    EXPECT_EQ(range->to, QString::fromUtf8(c.to));
  }
}

TEST_F(OutpatientLogTest, RecordsOfTheRangeInSerialOrderBothEndsIncluded) {
  addVisit("20240305090000A", "乙", "2024-03-05");
  addVisit("20240301080000A", "甲", "2024-03-01 08:00:00");  // a stored time of day
  addVisit("20240331170000A", "丙", "2024-03-31");
  addVisit("20240401080000A", "丁", "2024-04-01");
  addVisit("20240229080000A", "戊", "2024-02-29");
  store::Database d(db);
  const LogRange march{QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31")};
  const auto records = clinical::logRecords(d, march);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].name, QStringLiteral("甲"));
  EXPECT_EQ(records[0].visitDate, QStringLiteral("2024-03-01"));
  EXPECT_EQ(records[1].name, QStringLiteral("乙"));
  EXPECT_EQ(records[2].name, QStringLiteral("丙"));
  EXPECT_EQ(records[2].diagnosis, QStringLiteral("感冒"));
  EXPECT_EQ(records[2].address, QStringLiteral("01234567890"));
  EXPECT_EQ(clinical::logCount(d, march, 100), 3);
  EXPECT_EQ(clinical::logCount(d, march, 2), 2);  // the count stops at its limit
}

TEST_F(OutpatientLogTest, MarginsKeptAsTyped) {
  store::Database d(db);
  ASSERT_TRUE(clinical::writeLogMargins(d, QStringLiteral("12"), QStringLiteral("8")));
  const auto margins = clinical::readLogMargins(d);
  EXPECT_EQ(margins.left.value_or("?"), QStringLiteral("12"));
  EXPECT_EQ(margins.top.value_or("?"), QStringLiteral("8"));
  d.exec(QStringLiteral(R"(DELETE FROM "设置")"));
  EXPECT_FALSE(clinical::writeLogMargins(d, QStringLiteral("1"), QStringLiteral("2")));
  EXPECT_FALSE(clinical::readLogMargins(d).left.has_value());
}

TEST_F(OutpatientLogTest, ExportReadBackTitleCaptionsAndTextCells) {
  addVisit("20240301080000A", "甲", "2024-03-01", QStringLiteral("01234567890"));
  addVisit("20240302080000A", "乙", "2024-03-02", QStringLiteral("13800000000"));
  store::Database d(db);
  const auto records = clinical::logRecords(d, {QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31")});
  const QString path = folder.sub(QStringLiteral("日志.xls"));
  const spreadsheet::WriteOutcome written =
      spreadsheet::SpreadsheetWriter::save(clinical::outpatientLogWorkbook(records), path);
  ASSERT_TRUE(written.ok) << written.reason.toStdString();

  const QJsonObject back = testing_support::xlrdReadBack(path);
  ASSERT_TRUE(back["ok"].toBool()) << back["error"].toString().toStdString();
  const QJsonObject sheet = back["sheets"].toArray()[0].toObject();
  const QJsonArray rows = sheet["rows"].toArray();
  ASSERT_EQ(rows.size(), 4);
  auto cell = [&](int row, int column) { return rows[row].toArray()[column].toObject(); };
  EXPECT_EQ(cell(0, 3)["value"].toString(), QStringLiteral("门 诊 日 志 登 记 本"));
  EXPECT_TRUE(cell(0, 3)["bold"].toBool());
  EXPECT_EQ(cell(0, 3)["points"].toDouble(), 20);
  const QStringList captions = {"姓名", "性别", "年龄", "诊断", "住址/电话", "就诊日期", "备注"};
  for (int c = 0; c < captions.size(); ++c) EXPECT_EQ(cell(1, c)["value"].toString(), captions[c]);
  EXPECT_TRUE(cell(1, 0)["bold"].toBool());
  for (int c : {0, 4, 5}) EXPECT_EQ(cell(2, c)["type"].toString(), QStringLiteral("text")) << c;
  EXPECT_EQ(cell(2, 4)["value"].toString(), QStringLiteral("01234567890"));
  EXPECT_EQ(cell(3, 5)["value"].toString(), QStringLiteral("2024-03-02"));
  EXPECT_FALSE(cell(2, 0)["bold"].toBool());
  EXPECT_EQ(sheet["heights"].toObject()["0"].toDouble(), 30);
  EXPECT_EQ(sheet["heights"].toObject()["2"].toDouble(), 20);
  const QJsonObject widths = sheet["widths"].toObject();
  // D and E 25 characters, B and C 5, A and F 10 (each with the format's small padding).
  EXPECT_EQ(widths["3"].toDouble(), widths["4"].toDouble());
  EXPECT_EQ(widths["0"].toDouble(), widths["5"].toDouble());
  EXPECT_GT(widths["3"].toDouble(), 4 * widths["1"].toDouble());
  EXPECT_FALSE(widths.contains("6"));  // G keeps the standard width
}

TEST_F(OutpatientLogTest, ExportPathAddsTheExtensionOnceAndAsksBeforeReplacing) {
  const QString plain = folder.sub(QStringLiteral("a"));
  const QString upper = folder.sub(QStringLiteral("b.XLS"));
  {
    testing_support::ScriptedDialogs dialogs;
    dialogs.fileNames << plain << upper << QString();
    EXPECT_EQ(spreadsheet::chooseExportPath(dialogs), plain + QStringLiteral(".xls"));
    EXPECT_EQ(spreadsheet::chooseExportPath(dialogs), upper);
    EXPECT_EQ(spreadsheet::chooseExportPath(dialogs), QString());  // cancelled
    EXPECT_TRUE(dialogs.messages.isEmpty());
  }
  QFile existing(upper);
  ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
  existing.close();
  testing_support::ScriptedDialogs dialogs;
  dialogs.fileNames << upper << upper;
  dialogs.answers << platform::Dialogs::Answer::No << platform::Dialogs::Answer::Yes;
  EXPECT_EQ(spreadsheet::chooseExportPath(dialogs), QString());
  EXPECT_EQ(spreadsheet::chooseExportPath(dialogs), upper);
  EXPECT_EQ(dialogs.texts(), QStringList(2, QStringLiteral("文件已存在，是否替换？")));
}

}  // namespace
