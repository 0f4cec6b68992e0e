// Rows that an import adds, and the export read back and imported again.
#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/CatalogueFile.h"
#include "catalogue/service/CatalogueImport.h"
#include "catalogue/service/CatalogueSheet.h"
#include "spreadsheet/SpreadsheetWriter.h"
#include "support/MainDbFixture.h"
#include "support/TempFolder.h"
#include "support/XlrdReadBack.h"
#include "text/PinyinInitials.h"
#include "text/SearchKeys.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <gtest/gtest.h>

namespace {

using namespace catalogue;

const text::StrokeCoder& strokes() {
  static const text::StrokeCoder coder(QStringLiteral("阿5212&莫1221&黄1281&芪1223&"));
  return coder;
}

const QString kStamp = "20240305101010";
const QStringList kCaptions = {"名称", "常用量", "单位", "用法用量", "拼音", "分类", "进价", "售价", "库存量"};

spreadsheet::SheetRows sheet(const QList<QStringList>& dataRows) {
  spreadsheet::SheetRows s;
  s.ok = true;
  s.rows = {kCaptions};
  s.rows += dataRows;
  return s;
}

TEST(ImportedRows, EmptyCellsTakeTheDefaultsOfTheChosenButton) {
  const spreadsheet::SheetRows nameOnly = sheet({{"黄芪"}});
  const QList<ImportedRow> herbal = importedRows(nameOnly, kHerbalButton, kStamp, strokes(), {});
  ASSERT_EQ(herbal.size(), 1);
  const CatalogueRow& h = herbal[0].row;
  EXPECT_EQ(herbal[0].sheetRow, 2);
  EXPECT_EQ(h.name, "黄芪");
  EXPECT_EQ(h.usualDose, "10");
  EXPECT_EQ(h.unit, "g");
  EXPECT_EQ(h.usage, "");
  EXPECT_EQ(h.initials, "hq");
  EXPECT_EQ(h.category, "中药");
  EXPECT_EQ(h.purchasePrice, "");  // an empty price stays empty
  EXPECT_EQ(h.sellingPrice, "");
  EXPECT_EQ(h.stock, "");
  EXPECT_EQ(h.drawer, "");
  EXPECT_EQ(h.searchKey, "黄芪-hq-" + strokes().StrokeCode("黄芪") + "$");
  EXPECT_EQ(h.key, kStamp + "1001");

  for (int button : {0, kAllWesternButton, kFeeButton, kUsageButton}) {
    const CatalogueRow other = importedRows(nameOnly, button, kStamp, strokes(), {}).at(0).row;
    EXPECT_EQ(other.usualDose, "") << button;
    EXPECT_EQ(other.unit, "") << button;
    EXPECT_EQ(other.category, "西成药·抗生素") << button;
  }
}

TEST(ImportedRows, GivenCellsAreTakenAndTheSearchKeyUsesComputedInitials) {
  const QList<ImportedRow> rows = importedRows(
      sheet({{"阿莫西林[0.25g]", "0.25g×24", "盒", "口服", "xyz", "西成药·消化", "abc", "12.5", "-3"}}),
      kHerbalButton, kStamp, strokes(), {});
  ASSERT_EQ(rows.size(), 1);
  const CatalogueRow& r = rows[0].row;
  EXPECT_EQ(r.name, "阿莫西林{0.25g}");
  EXPECT_EQ(r.usualDose, "0.25g×24");
  EXPECT_EQ(r.unit, "盒");
  EXPECT_EQ(r.usage, "口服");
  EXPECT_EQ(r.initials, "xyz");  // taken though it does not match the name
  EXPECT_EQ(r.category, "西成药·消化");
  EXPECT_EQ(r.purchasePrice, "0.000");
  EXPECT_EQ(r.sellingPrice, "12.500");
  EXPECT_EQ(r.stock, "-3");
  EXPECT_EQ(r.searchKey, text::CatalogSearchKey("阿莫西林{0.25g}", strokes()));
  EXPECT_TRUE(r.searchKey.startsWith("阿莫西林{0.25g}-amxl025g-"));
}

TEST(ImportedRows, BlankNamesAreSkippedAndKeysNeverRepeat) {
  const spreadsheet::SheetRows s = sheet({{"阿"}, {}, {"  ", "10"}, {"莫"}, {"黄"}});
  // The table already holds the key the fourth sheet row would get.
  const QSet<QString> taken = {kStamp + "1004"};
  const QList<ImportedRow> rows =
      importedRows(s, 0, kStamp, strokes(), [&](const QString& key) { return taken.contains(key); });
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0].sheetRow, 2);
  EXPECT_EQ(rows[1].sheetRow, 5);
  EXPECT_EQ(rows[2].sheetRow, 6);
  EXPECT_EQ(rows[0].row.key, kStamp + "1001");
  EXPECT_EQ(rows[1].row.key, kStamp + "1005");
  EXPECT_EQ(rows[2].row.key, kStamp + "1006");
  // Only captions: nothing to add.
  EXPECT_TRUE(importedRows(sheet({}), 0, kStamp, strokes(), {}).isEmpty());
}

TEST(ImportedRows, TheCounterGoesOnPastFiveDigits) {
  QList<QStringList> many(40000, QStringList{"阿"});
  const QList<ImportedRow> rows = importedRows(sheet(many), 0, kStamp, strokes(), {});
  ASSERT_EQ(rows.size(), 40000);
  EXPECT_EQ(rows.last().row.key, kStamp + "41000");
  QSet<QString> keys;
  for (const ImportedRow& r : rows) keys.insert(r.row.key);
  EXPECT_EQ(keys.size(), 40000);
}

QList<CatalogueRow> storedRows() {
  CatalogueRow a;
  a.name = "阿莫西林胶囊{0.25g}";
  a.usualDose = "0.25g×24";
  a.unit = "盒";
  a.usage = "口服 tid";
  a.initials = "amxljn";
  a.category = "西成药·抗生素";
  a.purchasePrice = "12.500";
  a.sellingPrice = "15.000";
  a.stock = "007";
  CatalogueRow b;
  b.name = "黄芪";
  b.usualDose = "10";
  b.unit = "g";
  b.initials = "hq";
  b.category = "中药";
  b.sellingPrice = "0.120";
  b.stock = "-3";
  return {a, b};
}

TEST(CatalogueExport, XlrdSeesCaptionsColumnsBracesPrefixAndNumberCells) {
  testing_support::TempFolder folder;
  const QString path = folder.sub("目录.xls");
  ASSERT_TRUE(spreadsheet::SpreadsheetWriter::save(catalogueWorkbook(storedRows()), path).ok);
  const QJsonObject book = testing_support::xlrdReadBack(path);
  ASSERT_TRUE(book["ok"].toBool()) << book["error"].toString().toStdString();
  const QJsonArray rows = book["sheets"].toArray()[0].toObject()["rows"].toArray();
  ASSERT_EQ(rows.size(), 3);
  for (int c = 0; c < kCaptions.size(); ++c) {
    EXPECT_EQ(rows[0].toArray()[c].toObject()["value"].toString(), kCaptions[c]);
    EXPECT_TRUE(rows[0].toArray()[c].toObject()["bold"].toBool());
  }
  const QJsonArray a = rows[1].toArray();
  EXPECT_EQ(a[0].toObject()["value"].toString(), "阿莫西林胶囊{0.25g}");
  EXPECT_EQ(a[5].toObject()["value"].toString(), "西成药·抗生素");
  EXPECT_FALSE(a[0].toObject()["bold"].toBool());
  // 进价 in G, 售价 in H: numbers keeping their shown decimals; the stock "007" is text.
  EXPECT_EQ(a[6].toObject()["type"].toString(), "number");
  EXPECT_EQ(a[6].toObject()["value"].toDouble(), 12.5);
  EXPECT_EQ(a[6].toObject()["format"].toString(), "0.000");
  EXPECT_EQ(a[7].toObject()["value"].toDouble(), 15.0);
  EXPECT_EQ(a[8].toObject()["type"].toString(), "text");
  EXPECT_EQ(a[8].toObject()["value"].toString(), "007");
  const QJsonArray b = rows[2].toArray();
  EXPECT_EQ(b[1].toObject()["type"].toString(), "number");  // usual dose "10"
  EXPECT_EQ(b[6].toObject()["type"].toString(), "empty");
  EXPECT_EQ(b[8].toObject()["value"].toDouble(), -3);
}

TEST(CatalogueExport, ReimportingAnExportAddsTheSameRowsWithNewKeys) {
  testing_support::TempFolder folder;
  const QString path = folder.sub("目录.xls");
  const QList<CatalogueRow> stored = storedRows();
  ASSERT_TRUE(spreadsheet::SpreadsheetWriter::save(catalogueWorkbook(stored), path).ok);
  const spreadsheet::SheetRows read = spreadsheet::SpreadsheetReader::readFirstSheet(path);
  ASSERT_TRUE(read.ok) << read.reason.toStdString();
  EXPECT_EQ(read.rows[0], kCaptions);

  const QList<ImportedRow> again = importedRows(read, 0, kStamp, strokes(), {});
  ASSERT_EQ(again.size(), stored.size());
  for (int i = 0; i < stored.size(); ++i) {
    CatalogueRow expected = stored[i];
    expected.searchKey = text::CatalogSearchKey(expected.name, strokes());
    expected.key = kStamp + QString::number(1001 + i);
    EXPECT_EQ(again[i].row, expected) << i;
  }
}

TEST(CatalogueExport, AnEmptyCategoryGivesTheCaptionRowOnly) {
  const spreadsheet::Workbook book = catalogueWorkbook({});
  ASSERT_EQ(book.sheets.size(), 1);
  ASSERT_EQ(book.sheets[0].rows.size(), 1);
  testing_support::TempFolder folder;
  ASSERT_TRUE(spreadsheet::SpreadsheetWriter::save(book, folder.sub("空.xls")).ok);
  const spreadsheet::SheetRows read = spreadsheet::SpreadsheetReader::readFirstSheet(folder.sub("空.xls"));
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.rows, QList<QStringList>{kCaptions});
}

TEST(CatalogueImport, AnXlsxMadeByAnotherProgramImports) {
  const spreadsheet::SheetRows read = spreadsheet::SpreadsheetReader::readFirstSheet(TAVORIN_TEST_FIXTURES "/catalogue.xlsx");
  ASSERT_TRUE(read.ok) << read.reason.toStdString();
  const QList<ImportedRow> rows = importedRows(read, kHerbalButton, kStamp, strokes(), {});
  ASSERT_EQ(rows.size(), 2);  // the empty third row is skipped
  EXPECT_EQ(rows[0].row.name, "阿莫西林胶囊{0.25g}");
  EXPECT_EQ(rows[0].row.initials, text::PinyinInitials("阿莫西林胶囊[0.25g]"));
  EXPECT_EQ(rows[0].row.purchasePrice, "12.500");
  EXPECT_EQ(rows[0].row.sellingPrice, "15.000");
  EXPECT_EQ(rows[0].row.stock, "007");
  EXPECT_EQ(rows[1].sheetRow, 4);
  EXPECT_EQ(rows[1].row.name, "黄芪");
  EXPECT_EQ(rows[1].row.unit, "g");
  EXPECT_EQ(rows[1].row.purchasePrice, "0.100");
  EXPECT_EQ(rows[1].row.sellingPrice, "");
  EXPECT_EQ(rows[1].row.stock, "-3");
  EXPECT_EQ(rows[1].row.key, kStamp + "1003");
}

// A sheet row whose name gives no initials, and none in its 拼音 cell, stops the import
// before anything is added, and the message names the row and what is wrong with its name.
class CatalogueFileImport : public testing_support::MainDbTest {};

TEST_F(CatalogueFileImport, ANameWithoutInitialsStopsTheImportNamingItsRow) {
  const spreadsheet::SheetRows rows = sheet({{"阿莫西林"}, {"★★"}, {"黄芪"}});
  const QString failure = CatalogueFile(db).importFrom(rows, "/盘/目录.xls", kAllWesternButton, kStamp, strokes);
  EXPECT_EQ(failure, QStringLiteral("文件“%1”第3行：名称“★★”取不出拼音首字母：第一个词里没有汉字、字母或数字")
                         .arg(QDir::toNativeSeparators("/盘/目录.xls")));
  EXPECT_TRUE(column("商品", "名称").isEmpty());

  // Given initials, the same name is taken.
  EXPECT_EQ(CatalogueFile(db).importFrom(sheet({{"★★", "", "", "", "xx"}}), "/盘/目录.xls", kAllWesternButton, kStamp,
                                         strokes),
            QString());
  EXPECT_EQ(column("商品", "名称"), QStringList{"★★"});
}

}  // namespace
