// Reading spreadsheet files made by other programs, and files that cannot be read.
#include "spreadsheet/SpreadsheetReader.h"
#include "support/TempFolder.h"
#include "support/XlrdReadBack.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

using spreadsheet::SheetRows;
using spreadsheet::SpreadsheetReader;

// fixtures/catalogue.xlsx and catalogue.xls were written by LibreOffice Calc from
// fixtures/catalogue.fods (soffice --headless --convert-to xlsx, and xls): shared strings,
// a number shown as 15.000, a text "007", an empty row, gaps, and a second sheet that is
// not read. Both kinds give the same texts.
TEST(SpreadsheetReader, ReadsTheFirstSheetOfFilesFromAnotherProgram) {
  for (const char* name : {"/catalogue.xlsx", "/catalogue.xls"}) {
    SCOPED_TRACE(name);
    const SheetRows rows = SpreadsheetReader::readFirstSheet(QStringLiteral(TAVORIN_TEST_FIXTURES) + name);
    ASSERT_TRUE(rows.ok) << rows.reason.toStdString();
    ASSERT_EQ(rows.rows.size(), 4);
    EXPECT_EQ(rows.rows[0], QStringList({"名称", "常用量", "单位", "用法用量", "拼音", "分类", "进价", "售价", "库存量"}));
    EXPECT_EQ(rows.rows[1],
              QStringList({"阿莫西林胶囊[0.25g]", "0.25g×24", "盒", "口服 tid", "", "西成药·抗生素", "12.5", "15", "007"}));
    EXPECT_TRUE(rows.rows[2].isEmpty());
    EXPECT_EQ(rows.rows[3], QStringList({"黄芪", "", "", "", "", "", "0.1", "", "-3"}));
  }
}

// A package put together by hand as other writers do it: inline strings, cells and rows
// without references, a phonetic run that is not part of the text, a relationship target
// given from the package root.
TEST(SpreadsheetReader, ReadsInlineStringsAndCellsWithoutReferences) {
  testing_support::TempFolder folder;
  const QString path = folder.sub("hand.xlsx");
  const char* script = R"PY(
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1], "w", zipfile.ZIP_DEFLATED)
z.writestr("_rels/.rels", '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="r1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
z.writestr("xl/workbook.xml", '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="A" sheetId="1" r:id="rA"/><sheet name="B" sheetId="2" r:id="rB"/></sheets></workbook>')
z.writestr("xl/_rels/workbook.xml.rels", '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rB" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/b.xml"/><Relationship Id="rA" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/a.xml"/><Relationship Id="rS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
z.writestr("xl/sharedStrings.xml", '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><r><t>甘</t></r><r><t xml:space="preserve">草 </t></r><rPh sb="0" eb="1"><t>gan</t></rPh></si></sst>')
z.writestr("xl/worksheets/a.xml", '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData><row><c t="s"><v>0</v></c><c t="inlineStr"><is><t>片</t></is></c><c><v>13.0</v></c><c><v>1.2999999999999999E-2</v></c></row><row r="3"><c r="AB3" t="str"><v>公式</v></c></row></sheetData></worksheet>')
z.writestr("xl/worksheets/b.xml", '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData><row r="1"><c r="A1" t="inlineStr"><is><t>wrong sheet</t></is></c></row></sheetData></worksheet>')
z.close()
)PY";
  ASSERT_EQ(QProcess::execute(testing_support::systemPython(), {"-c", script, path}), 0);

  const SheetRows rows = SpreadsheetReader::readFirstSheet(path);
  ASSERT_TRUE(rows.ok) << rows.reason.toStdString();
  ASSERT_EQ(rows.rows.size(), 3);
  EXPECT_EQ(rows.rows[0], QStringList({"甘草 ", "片", "13", "0.013"}));
  EXPECT_TRUE(rows.rows[1].isEmpty());
  EXPECT_EQ(rows.rows[2].size(), 28);
  EXPECT_EQ(rows.cell(2, 27), "公式");
}

TEST(SpreadsheetReader, AFileThatCannotBeReadGivesAReasonNamingIt) {
  testing_support::TempFolder folder;
  folder.writeFile("notes.xls", "名称,单价\n阿莫西林,12\n");  // a text file with a spreadsheet's name
  folder.writeFile("broken.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(600, '\x07'));
  folder.writeFile("broken.xlsx", QByteArray("PK\x03\x04", 4) + QByteArray(100, 'x'));
  const QString cases[] = {"missing.xls", "notes.xls", "broken.xls", "broken.xlsx"};
  for (const QString& name : cases) {
    const SheetRows rows = SpreadsheetReader::readFirstSheet(folder.sub(name));
    EXPECT_FALSE(rows.ok) << name.toStdString();
    EXPECT_TRUE(rows.reason.contains(name)) << rows.reason.toStdString();
    EXPECT_TRUE(rows.rows.isEmpty());
  }
}

}  // namespace
