// The catalogue window's lists and table-wide actions over a real data file: the search
// box, the low-stock query, delete, clear, and the spreadsheet export and import.
#include "CatalogueWindowFixtureSupport.h"

#include "spreadsheet/SpreadsheetReader.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListView>
#include <QScrollBar>

namespace {

using namespace catalogue;
using testing_support::click;
using platform::Dialogs;
using testing_support::catalogueRow;

class CatalogueWindowLists : public testing_support::CatalogueWindowFixture {
 protected:
  QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
};

// The files (not folders) an Open dialog with `filter` lists in `dir` under the entry it
// starts with, once it has read the folder (or after a while, with what it lists by then).
QStringList listedByOpenDialog(const QString& filter, const QString& dir, int expected) {
  QFileDialog dialog(nullptr, QStringLiteral("打开"), dir, filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.show();
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  if (!view) return {QStringLiteral("<no file list>")};
  QStringList listed;
  (void)QTest::qWaitFor(
      [&] {
        listed.clear();
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < view->model()->rowCount(root); ++r) {
          const QString name = view->model()->index(r, 0, root).data().toString();
          if (!QFileInfo(QDir(dir).filePath(name)).isDir()) listed.append(name);
        }
        return listed.size() >= expected;
      },
      3000);
  dialog.close();
  listed.sort();
  return listed;
}

TEST_F(CatalogueWindowLists, TheSearchBoxListsAgainAtEveryChangeMatchingLiterally) {
  open(catalogueRow("1", "葡萄糖", "西成药·输液") + catalogueRow("2", "氯化钠", "西成药·输液") +
       catalogueRow("3", "百分%号", "西成药·其他") + catalogueRow("4", "葛根", "中药"));
  keys(form->Text2, "萄");
  EXPECT_EQ(shownNames(), QStringList{"葡萄糖"});
  form->Text2->clear();
  EXPECT_EQ(shownNames().size(), 3);
  keys(form->Text2, "%");
  EXPECT_EQ(shownNames(), QStringList{"百分%号"});
  form->Text2->setText("'");
  EXPECT_TRUE(shownNames().isEmpty());
  EXPECT_EQ(form->grid->VS1()->maximum(), 0);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogueWindowLists, TheLowStockQueryListsKeptStockBelowTheThreshold) {
  open(catalogueRow("1", "零", "西成药·其他", "0") + catalogueRow("2", "负三", "西成药·其他", "-3") +
       catalogueRow("3", "四九九", "西成药·其他", "499") + catalogueRow("4", "五百", "西成药·其他", "500") +
       catalogueRow("5", "字母", "西成药·其他", "abc") + catalogueRow("6", "空白", "西成药·其他", "") +
       catalogueRow("7", "无值", "西成药·其他", "NULL") + catalogueRow("8", "黄芪", "中药", "1"));
  form->Text2->setText("零");  // the search box takes no part
  click(*form, "Command2");
  EXPECT_EQ(shownNames(), (QStringList{"负三", "零", "四九九"}));
  // The blank rows after it hold a blank in every cell.
  EXPECT_EQ(cell(3, kNameField)->text(), " ");

  form->Text3->setText("abc");  // no number: only the negative stock
  click(*form, "Command2");
  EXPECT_EQ(shownNames(), QStringList{"负三"});
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogueWindowLists, DeleteRemovesTheSelectedRowAndNothingForARowWithoutKey) {
  open(catalogueRow("1", "阿", "西成药·其他") + catalogueRow("2", "布", "西成药·其他") +
       catalogueRow("3", "茶", "西成药·其他"));
  QTest::mouseClick(cell(1, kUsualDoseField), Qt::LeftButton);
  ASSERT_TRUE(form->Command4->isEnabled());
  click(*form, "Command4");
  EXPECT_EQ(stored("名称"), (QStringList{"阿", "茶"}));
  EXPECT_EQ(shownNames(), (QStringList{"阿", "茶"}));
  EXPECT_FALSE(form->Command4->isEnabled());

  // A blank row is selected but has no key: nothing is deleted, the list stays.
  QTest::mouseClick(cell(5, kUsualDoseField), Qt::LeftButton);
  ASSERT_TRUE(form->Command4->isEnabled());
  click(*form, "Command4");
  EXPECT_EQ(stored("名称"), (QStringList{"阿", "茶"}));
  EXPECT_EQ(form->grid->state().selectedRow(), 5);
}

TEST_F(CatalogueWindowLists, ClearAsksFirstAndRemovesOnlyTheChosenCategory) {
  open(catalogueRow("1", "阿", "西成药·抗生素") + catalogueRow("2", "布", "西成药·西成药") +
       catalogueRow("3", "黄芪", "中药") + catalogueRow("4", "挂号费", "收费项目"));
  click(*form, "Command8");  // answered No
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(dialogs.messages[0].text, "在进行清空操作前，务必先将药品导出备份，否则不能恢复！");
  // The exclamation mark, and Yes and No with Yes the default.
  EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Warning);
  EXPECT_EQ(dialogs.messages[0].buttons, Dialogs::Buttons::YesNo);
  EXPECT_EQ(stored("名称").size(), 4);
  dialogs.answers.enqueue(Dialogs::Answer::Yes);
  click(*form, "Command8");
  EXPECT_EQ(stored("名称"), (QStringList{"黄芪", "挂号费"}));
  EXPECT_TRUE(shownNames().isEmpty());
}

TEST_F(CatalogueWindowLists, ExportWritesTheWholeCategoryAndImportAddsASecondCopyWithNewKeys) {
  open(catalogueRow("20240101000001", "阿莫西林{0.25g}", "西成药·抗生素", "007", "12.500", "15.000") +
       catalogueRow("20240101000002", "布洛芬", "西成药·解热镇痛", "-3") + catalogueRow("3", "黄芪", "中药", "1"));
  keys(form->Text2, "布");  // rows the search hides are exported too

  const QString file = path("目录");
  dialogs.fileNames.enqueue(file);
  click(*form, "Command7");
  ASSERT_EQ(dialogs.texts(), QStringList{"文件导出成功！"});
  ASSERT_TRUE(QFile::exists(file + ".xls"));
  EXPECT_EQ(form->text9->text(), file);

  const spreadsheet::SheetRows sheet = spreadsheet::SpreadsheetReader::readFirstSheet(file + ".xls");
  ASSERT_TRUE(sheet.ok) << sheet.reason.toStdString();
  ASSERT_EQ(sheet.rows.size(), 3);
  EXPECT_EQ(sheet.rows[0], (QStringList{"名称", "常用量", "单位", "用法用量", "拼音", "分类", "进价", "售价", "库存量"}));
  EXPECT_EQ(sheet.rows[1], (QStringList{"阿莫西林{0.25g}", "", "", "", "x", "西成药·抗生素", "12.5", "15", "007"}));
  EXPECT_EQ(sheet.rows[2].value(0), "布洛芬");
  EXPECT_EQ(sheet.rows[2].value(8), "-3");

  dialogs.fileNames.enqueue(file + ".xls");
  click(*form, "Command6");
  EXPECT_EQ(dialogs.texts().size(), 1);  // success is silent
  EXPECT_EQ(dialogs.fileDialogs,
            (QList<QStringList>{{"另存为", "Excel文件 (*.xls)"},
                                {"打开", "Microsoft Excel 工作簿(*.xls *.xlsx)"}}));
  const QStringList names = stored("名称");
  EXPECT_EQ(names, (QStringList{"阿莫西林{0.25g}", "布洛芬", "黄芪", "阿莫西林{0.25g}", "布洛芬"}));
  const QStringList keys = stored("ID号");
  EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), 5);
  EXPECT_EQ(keys[3].size(), 18);
  EXPECT_EQ(stored("斗位")[3], "007");
  EXPECT_EQ(stored("备用1")[3], "12.500");
  EXPECT_EQ(stored("分类")[4], "西成药·解热镇痛");
  // The window lists again afterwards, with the search box as it was.
  EXPECT_EQ(shownNames(), (QStringList{"布洛芬", "布洛芬"}));
}

TEST_F(CatalogueWindowLists, ExportAsksBeforeReplacingAndReportsAFailedWrite) {
  open(catalogueRow("1", "阿", "西成药·其他"));
  // Cancelling writes nothing and says nothing.
  click(*form, "Command7");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(QDir(folder.path()).entryList({"*.xls", "*.XLS"}).isEmpty());

  // A name that ends in .xls in any case keeps it; an existing file is kept on No.
  const QString file = path("旧.XLS");
  folder.writeFile("旧.XLS", "old");
  dialogs.fileNames.enqueue(file);
  click(*form, "Command7");
  EXPECT_EQ(dialogs.texts(), QStringList{"文件已存在，是否替换？"});
  EXPECT_EQ(testing_support::readBytes(file), QByteArray("old"));
  EXPECT_FALSE(QFile::exists(file + ".xls"));

  dialogs.fileNames.enqueue(file);
  dialogs.answers.enqueue(Dialogs::Answer::Yes);
  click(*form, "Command7");
  EXPECT_EQ(dialogs.texts().last(), "文件导出成功！");
  EXPECT_TRUE(testing_support::readBytes(file).startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")));

  // A folder that is not there: the failure is told, never success.
  dialogs.fileNames.enqueue(path("没有/目录.xls"));
  click(*form, "Command7");
  EXPECT_TRUE(dialogs.texts().last().startsWith("文件导出失败：")) << dialogs.texts().last().toStdString();
}

TEST_F(CatalogueWindowLists, AnImportThatCannotBeReadOrIsRefusedAddsNothingAndSaysWhere) {
  open(catalogueRow("1", "阿", "西成药·其他"));
  // Not a spreadsheet: the message names the file.
  const QString junk = path("坏.xls");
  folder.writeFile("坏.xls", "not a workbook");
  dialogs.fileNames.enqueue(junk);
  click(*form, "Command6");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.contains("坏.xls")) << dialogs.messages[0].text.toStdString();
  EXPECT_EQ(stored("名称"), QStringList{"阿"});

  // A sheet row whose name gives no initials, which the table refuses: no row is added.
  const QString exported = path("出");
  dialogs.fileNames.enqueue(exported);
  execMain(catalogueRow("2", "（）", "西成药·其他"));
  execMain(QStringLiteral(R"(UPDATE "商品" SET "拼音" = NULL WHERE "ID号" = '2')"));
  click(*form, "Command7");
  ASSERT_EQ(dialogs.texts().last(), "文件导出成功！");
  const spreadsheet::SheetRows sheet = spreadsheet::SpreadsheetReader::readFirstSheet(exported + ".xls");
  int refusedRow = 0;
  for (int r = 0; r < sheet.rows.size(); ++r)
    if (sheet.cell(r, 0) == "（）") refusedRow = r + 1;
  ASSERT_GT(refusedRow, 1);
  dialogs.fileNames.enqueue(exported + ".xls");
  click(*form, "Command6");
  EXPECT_TRUE(dialogs.texts().last().contains(QStringLiteral("第%1行").arg(refusedRow)))
      << dialogs.texts().last().toStdString();
  EXPECT_EQ(stored("名称"), (QStringList{"阿", "（）"}));

  // Cancelling the dialog changes nothing.
  const int shown = dialogs.messages.size();
  click(*form, "Command6");
  EXPECT_EQ(dialogs.messages.size(), shown);
  EXPECT_EQ(stored("名称").size(), 2);
}

// The Open dialog of 导  入 starts with one entry that shows both kinds of workbook.
TEST_F(CatalogueWindowLists, TheImportDialogShowsXlsAndXlsxUnderItsOneEntry) {
  open();
  QTest::mouseClick(form->Command6, Qt::LeftButton);  // cancelled: nothing is imported
  ASSERT_EQ(dialogs.fileDialogs.size(), 1);
  const QString filter = dialogs.fileDialogs[0].value(1);
  EXPECT_FALSE(filter.contains(QStringLiteral(";;"))) << filter.toStdString();

  testing_support::TempFolder files;
  files.writeFile("旧.xls", "x");
  files.writeFile("新.xlsx", "x");
  files.writeFile("说明.txt", "x");
  EXPECT_EQ(listedByOpenDialog(filter, files.path(), 2), (QStringList{"新.xlsx", "旧.xls"}));
}

TEST_F(CatalogueWindowLists, AWorkbookWrittenByAnotherProgramImports) {
  open();
  click(*form, QStringLiteral("Command1_%1").arg(kHerbalButton));
  dialogs.fileNames.enqueue(QStringLiteral(TAVORIN_TEST_FIXTURES "/catalogue.xlsx"));
  click(*form, "Command6");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(stored("名称"), (QStringList{"阿莫西林胶囊{0.25g}", "黄芪"}));
  EXPECT_EQ(stored("分类"), (QStringList{"西成药·抗生素", "中药"}));
  EXPECT_EQ(stored("常用量"), (QStringList{"0.25g×24", "10"}));
  EXPECT_EQ(stored("单价"), (QStringList{"15.000", ""}));
  EXPECT_EQ(shownNames(), QStringList{"黄芪"});
}

}  // namespace
