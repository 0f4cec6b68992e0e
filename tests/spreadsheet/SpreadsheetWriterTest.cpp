// The written .xls read back by xlrd and by FreeXL (through the program's reader): texts,
// numbers with their formats, fonts, heights, widths, large string tables, large files,
// and failures that leave the old file alone.
#include "spreadsheet/ColumnWidths.h"
#include "spreadsheet/CompoundFile.h"
#include "spreadsheet/SpreadsheetReader.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "spreadsheet/WorkbookStream.h"
#include "support/TempFolder.h"
#include "support/XlrdReadBack.h"

#include <QFile>
#include <QProcess>
#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

using namespace spreadsheet;

Row textRow(const QStringList& texts, Font font = {}) {
  Row row;
  row.font = font;
  for (const QString& t : texts) row.cells.append(Cell::fromStoredText(t));
  return row;
}

QJsonObject firstSheet(const QJsonObject& book) { return book["sheets"].toArray().at(0).toObject(); }
QJsonObject cellAt(const QJsonObject& sheet, int r, int c) {
  return sheet["rows"].toArray().at(r).toArray().at(c).toObject();
}

// A log-style sheet: a large bold title, bold captions, data rows 20 points high, fixed
// and fitted columns.
Workbook logBook() {
  Sheet sheet;
  Row title;
  title.cells = {Cell(), Cell(), Cell(), Cell::text("门 诊 日 志 登 记 本")};
  title.font = {true, 20};
  title.heightPoints = 30;
  sheet.rows.append(title);
  Row captions = textRow({"姓名", "电话", "金额", "批号", "名称"}, {true, 10});
  captions.heightPoints = 20;
  sheet.rows.append(captions);
  Row data = textRow({"张三", "007", "15.000", "2024-03-05", "阿莫西林胶囊{0.25g}"}, {false, 10});
  data.cells.append(Cell::number(2.175, "0.00"));
  data.cells.append(Cell::text("13800138000"));  // a phone number kept as text
  data.heightPoints = 20;
  sheet.rows.append(data);
  sheet.columns = {Column::fixed(10), Column::fixed(5), Column::fitted(), Column(), Column::fitted()};
  return {{sheet}};
}

TEST(SpreadsheetWriter, XlrdReadsTextsNumbersFormatsFontsAndSizes) {
  testing_support::TempFolder folder;
  const QString path = folder.sub("log.xls");
  const WriteOutcome outcome = SpreadsheetWriter::save(logBook(), path);
  ASSERT_TRUE(outcome.ok) << outcome.reason.toStdString();

  const QJsonObject book = testing_support::xlrdReadBack(path);
  ASSERT_TRUE(book["ok"].toBool()) << book["error"].toString().toStdString();
  const QJsonObject sheet = firstSheet(book);
  EXPECT_EQ(sheet["name"].toString(), "Sheet1");

  const QJsonObject title = cellAt(sheet, 0, 3);
  EXPECT_EQ(title["value"].toString(), "门 诊 日 志 登 记 本");
  EXPECT_TRUE(title["bold"].toBool());
  EXPECT_EQ(title["points"].toDouble(), 20);
  EXPECT_TRUE(cellAt(sheet, 1, 0)["bold"].toBool());
  EXPECT_EQ(cellAt(sheet, 1, 0)["points"].toDouble(), 10);

  struct Expected {
    int column;
    const char* type;
    QVariant value;
    const char* format;
  };
  const Expected data[] = {
      {0, "text", "张三", "General"},
      {1, "text", "007", "General"},
      {2, "number", 15.0, "0.000"},
      {3, "text", "2024-03-05", "General"},
      {4, "text", "阿莫西林胶囊{0.25g}", "General"},
      {5, "number", 2.175, "0.00"},
      {6, "text", "13800138000", "General"},
  };
  for (const Expected& e : data) {
    const QJsonObject cell = cellAt(sheet, 2, e.column);
    SCOPED_TRACE(e.column);
    EXPECT_EQ(cell["type"].toString(), e.type);
    EXPECT_EQ(cell["value"].toVariant(), e.value);
    EXPECT_EQ(cell["format"].toString(), e.format);
    EXPECT_FALSE(cell["bold"].toBool());
  }

  const QJsonObject heights = sheet["heights"].toObject();
  EXPECT_EQ(heights["0"].toDouble(), 30);
  EXPECT_EQ(heights["1"].toDouble(), 20);
  EXPECT_EQ(heights["2"].toDouble(), 20);

  // Widths in 1/256 of a digit: 10 and 5 characters as set; column C fitted to "15.000"
  // at 10 points (5 characters of the 12-point standard font, one to spare), column E to
  // the name (twelve for its six Chinese characters, seven for the rest, at 10 points:
  // 15.8); column D keeps the standard width.
  const QJsonObject widths = sheet["widths"].toObject();
  EXPECT_EQ(widths["0"].toInt(), widthUnits(10));
  EXPECT_EQ(widths["1"].toInt(), widthUnits(5));
  EXPECT_EQ(widths["2"].toInt(), widthUnits(6));
  EXPECT_FALSE(widths.contains("3"));
  EXPECT_EQ(widths["4"].toInt(), widthUnits(17));
}

TEST(SpreadsheetWriter, FreeXlReadsTheSameCellsBack) {
  testing_support::TempFolder folder;
  const QString path = folder.sub("log.xls");
  ASSERT_TRUE(SpreadsheetWriter::save(logBook(), path).ok);

  const SheetRows rows = SpreadsheetReader::readFirstSheet(path);
  ASSERT_TRUE(rows.ok) << rows.reason.toStdString();
  ASSERT_EQ(rows.rows.size(), 3);
  EXPECT_EQ(rows.rows[0], QStringList({"", "", "", "门 诊 日 志 登 记 本"}));
  EXPECT_EQ(rows.rows[1], QStringList({"姓名", "电话", "金额", "批号", "名称"}));
  // Numbers come back in their shortest form.
  EXPECT_EQ(rows.rows[2], QStringList({"张三", "007", "15", "2024-03-05", "阿莫西林胶囊{0.25g}", "2.175", "13800138000"}));
}

TEST(SpreadsheetWriter, SmallAndEmptyWorkbooksAreWholeContainers) {
  // A workbook stream far below 4,096 bytes is padded to it; readers still find one sheet.
  Sheet empty;
  const spreadsheet::WorkbookBytes made = SpreadsheetWriter::bytes({{empty}});
  ASSERT_EQ(made.reason, "");
  const QByteArray& file = made.file;
  EXPECT_EQ(file.size(), 512 + 4096 + 512 + 512);  // header, stream, directory, table
  testing_support::TempFolder folder;
  const QString path = folder.sub("empty.xls");
  ASSERT_TRUE(SpreadsheetWriter::save({{empty}}, path).ok);
  const SheetRows rows = SpreadsheetReader::readFirstSheet(path);
  ASSERT_TRUE(rows.ok) << rows.reason.toStdString();
  EXPECT_TRUE(rows.rows.isEmpty());
  EXPECT_TRUE(testing_support::xlrdReadBack(path)["ok"].toBool());
}

// Many distinct strings: the string table runs over many continuation records, strings
// split across them, and the index record must point at every bucket's first string.
TEST(SpreadsheetWriter, LargeStringTablesSurviveContinuationsAndTheirIndexIsRight) {
  Sheet sheet;
  const int count = 9000;
  for (int i = 0; i < count; ++i)
    sheet.rows.append(textRow({QStringLiteral("药品名称第%1号规格").arg(i) + QString(i % 37, u'长')}));
  const Workbook book{{sheet}};

  testing_support::TempFolder folder;
  const QString path = folder.sub("many.xls");
  ASSERT_TRUE(SpreadsheetWriter::save(book, path).ok);
  const SheetRows rows = SpreadsheetReader::readFirstSheet(path);
  ASSERT_TRUE(rows.ok) << rows.reason.toStdString();
  ASSERT_EQ(rows.rows.size(), count);
  const QJsonObject xlrd = testing_support::xlrdReadBack(path);
  ASSERT_TRUE(xlrd["ok"].toBool()) << xlrd["error"].toString().toStdString();
  const QJsonArray xlrdRows = firstSheet(xlrd)["rows"].toArray();
  ASSERT_EQ(xlrdRows.size(), count);
  for (int i = 0; i < count; ++i) {
    const QString expected = sheet.rows[i].cells[0].textValue();
    ASSERT_EQ(rows.rows[i].value(0), expected) << i;
    ASSERT_EQ(xlrdRows[i].toArray()[0].toObject()["value"].toString(), expected) << i;
  }

  // Walk the stream: find the index record and check each bucket entry against the string
  // that starts there.
  const QByteArray stream = workbookStream(book);
  auto u16 = [&](qsizetype at) { return quint16(quint8(stream[at]) | quint8(stream[at + 1]) << 8); };
  auto u32 = [&](qsizetype at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
  qsizetype at = 0;
  qsizetype tableRecords = 0;
  while (at < stream.size() && u16(at) != 0x00FF) {
    if (u16(at) == 0x00FC || u16(at) == 0x003C) ++tableRecords;
    at += 4 + u16(at + 2);
  }
  ASSERT_LT(at, stream.size());
  EXPECT_GT(tableRecords, 20);
  const int perBucket = u16(at + 4);
  const int buckets = (u16(at + 2) - 2) / 8;
  EXPECT_EQ(buckets, (count + perBucket - 1) / perBucket);
  EXPECT_LE(buckets, 128);
  for (int b = 0; b < buckets; ++b) {
    const quint32 position = u32(at + 6 + 8 * b);
    const quint16 inRecord = u16(at + 10 + 8 * b);
    const QString expected = sheet.rows[b * perBucket].cells[0].textValue();
    ASSERT_EQ(u16(position), expected.size()) << b;
    ASSERT_EQ(quint8(stream[position + 2]), 1) << b;
    ASSERT_EQ(QChar(u16(position + 3)), expected.at(0)) << b;
    const quint16 recordType = u16(position - inRecord);
    ASSERT_TRUE(recordType == 0x00FC || recordType == 0x003C) << b;
  }
}

// Above about 7 MB the allocation table needs more sectors than the header lists.
TEST(SpreadsheetWriter, FilesAboveSevenMegabytesAreReadWhole) {
  Sheet sheet;
  const int rows = 50000;
  for (int r = 0; r < rows; ++r) {
    Row row;
    for (int c = 0; c < 9; ++c) row.cells.append(Cell::number(r * 10 + c, "0"));
    sheet.rows.append(row);
  }
  testing_support::TempFolder folder;
  const QString path = folder.sub("large.xls");
  ASSERT_TRUE(SpreadsheetWriter::save({{sheet}}, path).ok);
  const QByteArray head = testing_support::readBytes(path).left(512);
  ASSERT_GT(QFile(path).size(), 7 * 1024 * 1024);
  EXPECT_GT(quint8(head[0x48]) | quint8(head[0x49]) << 8, 0);  // extra table sectors used

  const SheetRows read = SpreadsheetReader::readFirstSheet(path);
  ASSERT_TRUE(read.ok) << read.reason.toStdString();
  ASSERT_EQ(read.rows.size(), rows);
  EXPECT_EQ(read.rows[0][0], "0");
  EXPECT_EQ(read.rows[rows - 1][8], QString::number((rows - 1) * 10 + 8));
  EXPECT_EQ(read.rows[31234][5], "312345");

  QProcess python;
  python.start(testing_support::systemPython(),
               {"-c", "import sys, xlrd; s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0); "
                      "print(s.nrows, int(s.cell_value(s.nrows - 1, 8)))",
                path});
  ASSERT_TRUE(python.waitForFinished(60000));
  EXPECT_EQ(python.readAllStandardOutput().trimmed(), QByteArray("50000 499998")) << python.readAllStandardError().toStdString();
}

TEST(SpreadsheetWriter, AFailedWriteGivesTheReasonAndLeavesTheOldFile) {
  testing_support::TempFolder folder;
  const QString existing = folder.sub("old.xls");
  folder.writeFile("old.xls", "earlier export");

  Sheet tooLong;
  tooLong.rows.append(textRow({"名称"}));
  Row longCell;
  longCell.cells = {Cell(), Cell::text(QString(40000, u'药'))};
  tooLong.rows.append(longCell);
  WriteOutcome outcome = SpreadsheetWriter::save({{tooLong}}, existing);
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(outcome.reason.contains("B2")) << outcome.reason.toStdString();
  EXPECT_EQ(testing_support::readBytes(existing), "earlier export");

  Sheet tooMany;
  tooMany.rows.resize(kMaxRows + 1);
  outcome = SpreadsheetWriter::save({{tooMany}}, existing);
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(outcome.reason.contains("65536")) << outcome.reason.toStdString();
  EXPECT_EQ(testing_support::readBytes(existing), "earlier export");

  const QString noFolder = folder.sub("missing/folder/out.xls");
  outcome = SpreadsheetWriter::save(logBook(), noFolder);
  EXPECT_FALSE(outcome.ok);
  EXPECT_TRUE(outcome.reason.contains("out.xls")) << outcome.reason.toStdString();
  EXPECT_FALSE(QFile::exists(noFolder));

  const QString folderInTheWay = folder.makeDir("taken.xls");
  outcome = SpreadsheetWriter::save(logBook(), folderInTheWay);
  EXPECT_FALSE(outcome.ok);
  EXPECT_FALSE(outcome.reason.isEmpty());
}

}  // namespace
