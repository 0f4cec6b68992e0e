// The catalogue window over a list longer than its grid: every page shows what the whole
// list holds, an edit stays with its row while the page moves, and closing the window
// saves what a failed save left behind or names what it cannot save.
#include "CatalogueWindowFixtureSupport.h"

#include "store/Catalogue.h"

#include <QScrollBar>

namespace {

using namespace catalogue;
using testing_support::click;
using testing_support::catalogueRow;

class CatalogueWindowPaging : public testing_support::CatalogueWindowFixture {
 protected:
  // 60 western rows out of name order, repeated names among them, and herbs between.
  catalogue::CatalogueWindow& openLongList() {
    const QStringList stems = {"阿莫西林", "布洛芬", "Vc片", "葡萄糖", "阿莫西林", "头孢克肟"};
    QString sql;
    for (int n = 0; n < 60; ++n)
      sql += catalogueRow(QString::number(500 - n), stems[n % stems.size()] + QString::number(n % 7),
                          n % 4 == 0 ? "中药" : "西成药·其他", QString::number(n));
    return open(sql);
  }
  std::vector<CatalogueRow> storedList(const QString& prefix, const QString& typed) {
    store::Database db(state.mainDbPath);
    return store::Catalogue(db).listing(prefix, typed);
  }
  CatalogueRow storedRow(const QString& key) {
    for (const CatalogueRow& row : storedList("", ""))
      if (row.key == key) return row;
    return {};
  }
  // The names and keys the grid shows on the page that starts at `first`.
  QStringList page(int first) {
    form->grid->VS1()->setValue(first);
    QStringList shown;
    for (int row = 0; row < form->grid->rows(); ++row) shown << cell(row, kNameField)->text() + "|" + cell(row, kKeyField)->text();
    return shown;
  }
  QStringList expectedPage(const std::vector<CatalogueRow>& rows, int first) {
    QStringList expected;
    for (int i = first; i < first + form->grid->rows(); ++i)
      expected << (i < static_cast<int>(rows.size()) ? rows[i].name + "|" + rows[i].key : QStringLiteral("|"));
    return expected;
  }
};

TEST_F(CatalogueWindowPaging, EveryPageShowsTheRowsOfTheWholeListInItsOrder) {
  openLongList();
  for (const QString typed : {"", "阿莫", "3"}) {
    SCOPED_TRACE(typed.toStdString());
    form->Text2->setText(typed);
    const std::vector<CatalogueRow> rows = storedList("西成药", typed);
    ASSERT_GT(rows.size(), 0u);
    EXPECT_EQ(form->grid->VS1()->maximum(), static_cast<int>(rows.size()));
    // Every position the dragged thumb passes, up to the blank last page.
    for (int first = 0; first <= form->grid->VS1()->maximum(); ++first)
      ASSERT_EQ(page(first), expectedPage(rows, first)) << first;
  }
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogueWindowPaging, AddDeleteAndSelectionWorkOnTheLaterPagesToo) {
  openLongList();
  const std::vector<CatalogueRow> rows = storedList("西成药", "");
  const int count = static_cast<int>(rows.size());
  click(*form, "Command3");
  EXPECT_EQ(form->grid->VS1()->value(), count - 2);
  EXPECT_EQ(cell(1, kNameField)->text(), rows[count - 1].name);
  EXPECT_EQ(QApplication::focusWidget(), cell(2, kNameField));

  page(30);
  QTest::mouseClick(cell(4, kUsualDoseField), Qt::LeftButton);
  ASSERT_TRUE(form->Command4->isEnabled());
  click(*form, "Command4");
  EXPECT_EQ(form->grid->VS1()->value(), 29);
  EXPECT_EQ(form->grid->VS1()->maximum(), count - 1);
  EXPECT_FALSE(stored("ID号").contains(rows[34].key));
  EXPECT_EQ(page(29), expectedPage(storedList("西成药", ""), 29));
}

TEST_F(CatalogueWindowPaging, AnEditedRowKeepsItsTextsWhileThePageMovesAndShowsWhatWasSaved) {
  openLongList();
  const std::vector<CatalogueRow> rows = storedList("西成药", "");
  page(25);
  type(2, kUsualDoseField, "2*3");
  type(3, kSellingPriceField, "12");
  // A refused save (the table takes no empty initials) keeps the row and its mark.
  QLineEdit* initials = enter(5, kInitialsField);
  initials->selectAll();
  QTest::keyClick(initials, Qt::Key_Backspace);
  EXPECT_EQ(form->Label8->text().left(4), "未保存：");

  page(0);
  page(form->grid->VS1()->maximum());
  page(25);
  EXPECT_EQ(cell(2, kUsualDoseField)->text(), "2×3");
  EXPECT_EQ(cell(3, kSellingPriceField)->text(), "12");  // as typed until the next reload
  EXPECT_EQ(cell(5, kInitialsField)->text(), "");
  EXPECT_EQ(form->grid->band(5)->palette().color(QPalette::Window), grid::kUnsavedColor);
  // A save rewrites the search key, which may move a row among those of the same name:
  // the rows are found by their keys.
  EXPECT_EQ(storedRow(rows[27].key).usualDose, "2×3");
  EXPECT_EQ(storedRow(rows[28].key).sellingPrice, "12.000");
  EXPECT_EQ(storedRow(rows[30].key).initials, rows[30].initials);
  EXPECT_EQ(form->grid->state().unsavedCount(), 1);
}

TEST_F(CatalogueWindowPaging, ClosingSavesWhatAFailedSaveLeftAndNamesWhatItCannotSave) {
  openLongList();
  const std::vector<CatalogueRow> rows = storedList("西成药", "");
  // The table refuses every change for a while (a lock, a full disk).
  execMain(R"(CREATE TRIGGER "拒绝" BEFORE UPDATE ON "商品" BEGIN SELECT RAISE(ABORT, '暂时不能写入'); END;)");
  page(30);
  type(1, kUsualDoseField, "5ml");
  EXPECT_EQ(form->grid->state().unsavedCount(), 1);
  page(0);
  execMain(R"(DROP TRIGGER "拒绝")");

  session->windows.unload(QString::fromLatin1(CatalogueWindow::kName));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(storedRow(rows[31].key).usualDose, "5ml");

  // A row typed into without a name, and a row the table still refuses, are named.
  chooseFromMenu(QStringLiteral("药物维护"));
  form = loaded<catalogue::CatalogueWindow>();
  type(3, kInitialsField, "x");
  QLineEdit* initials = cell(3, kInitialsField);
  initials->selectAll();
  QTest::keyClick(initials, Qt::Key_Backspace);
  click(*form, "Command3");  // the first blank row stands in row 2
  type(2, kStockField, "7");
  ASSERT_EQ(form->grid->state().unsavedCount(), 2);
  session->windows.unload(QString::fromLatin1(CatalogueWindow::kName));
  ASSERT_EQ(dialogs.messages.size(), 1);
  const QString told = dialogs.messages[0].text;
  EXPECT_TRUE(told.startsWith("以下2行修改未能保存")) << told.toStdString();
  EXPECT_TRUE(told.contains(rows[3].name + "：")) << told.toStdString();
  EXPECT_TRUE(told.contains("（无名称）：请先输入药物名称")) << told.toStdString();
}

}  // namespace
