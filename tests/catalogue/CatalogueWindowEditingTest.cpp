// The catalogue window edited cell by cell over a real data file: a new row from its
// first character, brackets, the selling price from the ratio, Enter's walk, the palette,
// pick lists, and saves that the store refuses.
#include "CatalogueWindowFixtureSupport.h"

#include "grid/PagedGridState.h"
#include "support/ShownWhole.h"
#include "support/TextRendering.h"

#include <QListWidget>
#include <QScrollBar>

namespace {

using namespace catalogue;
using testing_support::click;
using testing_support::catalogueRow;

class CatalogueWindowEditing : public testing_support::CatalogueWindowFixture {};

TEST_F(CatalogueWindowEditing, OpensFromTheMenuOnAllWesternListingWesternRowsByName) {
  open(catalogueRow("1", "布洛芬", "西成药·解热镇痛") + catalogueRow("2", "阿莫西林{0.25g}", "西成药·抗生素") +
       catalogueRow("3", "黄芪", "中药"));
  EXPECT_EQ(form->windowTitle(), "药物维护");
  EXPECT_NE(form->subWindow(), nullptr);
  EXPECT_EQ(form->Label3->text(), "西成药");
  EXPECT_TRUE(form->Command1[kAllWesternButton]->font().bold());
  EXPECT_EQ(form->Text3->text(), "500");
  EXPECT_EQ(form->Text4->text(), "1.25");
  EXPECT_EQ(shownNames(), (QStringList{"阿莫西林[0.25g]", "布洛芬"}));
  EXPECT_EQ(cell(0, kCategoryField)->text(), "抗生素");
  EXPECT_EQ(form->grid->VS1()->maximum(), 2);
  EXPECT_FALSE(form->Command4->isEnabled());

  click(*form, QStringLiteral("Command1_%1").arg(kHerbalButton));
  EXPECT_EQ(form->Label3->text(), "中药");
  EXPECT_TRUE(form->Command1[kHerbalButton]->font().bold());
  EXPECT_FALSE(form->Command1[kAllWesternButton]->font().bold());
  EXPECT_EQ(shownNames(), QStringList{"黄芪"});

  // The menu opens a fresh window every time.
  chooseFromMenu("药物维护");
  flushDeletes();
  EXPECT_EQ(loaded<CatalogueWindow>()->Label3->text(), "西成药");
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogueWindowEditing, TheFirstCharacterOfANameStoresOneRowWithItsKeyCategoryAndInitials) {
  open();
  type(0, kNameField, "阿");
  EXPECT_EQ(cell(0, kCategoryField)->text(), "西成药");
  EXPECT_EQ(cell(0, kInitialsField)->text(), "a");
  ASSERT_EQ(stored("ID号").size(), 1);
  EXPECT_GE(stored("ID号")[0].size(), 12);
  EXPECT_EQ(stored("ID号")[0], cell(0, kKeyField)->text());
  EXPECT_EQ(stored("分类"), QStringList{"西成药·西成药"});
  EXPECT_EQ(stored("拼音"), QStringList{"a"});
  EXPECT_EQ(stored("名称"), QStringList{"阿"});

  // The next row begun within the same second gets a key of its own.
  type(1, kNameField, "布");
  EXPECT_EQ(stored("名称"), (QStringList{"阿", "布"}));
  EXPECT_NE(stored("ID号")[0], stored("ID号")[1]);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(CatalogueWindowEditing, HerbalRowsGetTheirDoseAndUnitButKeepWhatIsTyped) {
  open();
  click(*form, QStringLiteral("Command1_%1").arg(kHerbalButton));
  type(0, kUnitField, "枚");  // no key yet: kept on screen, not stored
  EXPECT_TRUE(stored("名称").isEmpty());
  type(0, kNameField, "大枣");
  EXPECT_EQ(stored("常用量"), QStringList{"10"});
  EXPECT_EQ(stored("单位"), QStringList{"枚"});
  EXPECT_EQ(stored("分类"), QStringList{"中药"});
  EXPECT_EQ(stored("拼音"), QStringList{"dz"});
  EXPECT_EQ(form->Label8->text(), "");
}

TEST_F(CatalogueWindowEditing, ParenthesesBecomeBracketsOnScreenAndBracesInTheTable) {
  open();
  type(0, kNameField, "阿莫西林（0.25g）");
  EXPECT_EQ(cell(0, kNameField)->text(), "阿莫西林[0.25g]");
  EXPECT_EQ(stored("名称"), QStringList{"阿莫西林{0.25g}"});
  EXPECT_TRUE(stored("查询")[0].startsWith("阿莫西林{0.25g}-amxl")) << stored("查询")[0].toStdString();

  // A bracket typed in the middle keeps the caret where it was.
  QLineEdit* name = cell(0, kNameField);
  name->setCursorPosition(4);
  keys(name, "(");
  EXPECT_EQ(name->text(), "阿莫西林[[0.25g]");
  EXPECT_EQ(name->cursorPosition(), 5);
  EXPECT_EQ(stored("名称"), QStringList{"阿莫西林{{0.25g}"});
}

TEST_F(CatalogueWindowEditing, EnterFromThePurchasePriceProposesTheSellingPrice) {
  open();
  type(0, kNameField, "阿");
  type(0, kPurchasePriceField, "2。5");
  EXPECT_EQ(cell(0, kPurchasePriceField)->text(), "2.5");
  QTest::keyClick(cell(0, kPurchasePriceField), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), cell(0, kSellingPriceField));
  EXPECT_EQ(cell(0, kSellingPriceField)->text(), "3.125");
  EXPECT_EQ(stored("单价"), QStringList{"3.125"});
  EXPECT_EQ(stored("备用1"), QStringList{"2.500"});

  // A price already there stays; a ratio of 0 proposes nothing.
  form->Text4->setText("abc");
  EXPECT_EQ(session->services.markupRatio(), 0.0);
  type(1, kNameField, "布");
  type(1, kPurchasePriceField, "4");
  enter(1, kSellingPriceField);
  EXPECT_EQ(cell(1, kSellingPriceField)->text(), "");
}

// The catalogue drawn in the program's own fonts, for what its narrow cells show.
class CatalogueWindowDrawn : public CatalogueWindowEditing {
 protected:
  testing_support::ProgramFonts fonts;
};

TEST_F(CatalogueWindowDrawn, TypedPricesAndStockReadWholeInTheirCells) {
  open();
  type(0, kNameField, "阿");
  type(0, kPurchasePriceField, "12345.678");
  QTest::keyClick(cell(0, kPurchasePriceField), Qt::Key_Return);
  ASSERT_EQ(cell(0, kSellingPriceField)->text(), "15432.098");
  type(0, kStockField, "99999.999");
  enter(0, kNameField);
  for (int column : {kPurchasePriceField, kSellingPriceField, kStockField})
    EXPECT_TRUE(testing_support::showsWhole(cell(0, column))) << column;
  EXPECT_EQ(stored("单价"), QStringList{"15432.098"});
}

TEST_F(CatalogueWindowEditing, EnterWalksAlongTheRowAndStopsInTheDrawerCell) {
  open();
  click(*form, QStringLiteral("Command1_%1").arg(kFeeButton));  // no pick lists
  QStringList walk;
  enter(3, kNameField);
  for (int i = 0; i < 10; ++i) {
    walk << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  EXPECT_EQ(walk, (QStringList{"Lb2_3", "Lb3_3", "Lb4_3", "Lb5_3", "Lb6_3", "Lb7_3", "Lb9_3", "Lb8_3", "Lb10_3",
                               "Lb11_3"}));
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "Lb11_3");
  EXPECT_TRUE(stored("名称").isEmpty());
}

TEST_F(CatalogueWindowEditing, APaletteWordGoesInAtTheCaretOfTheDoseCell) {
  open();
  type(0, kNameField, "阿");
  QLineEdit* dose = enter(0, kUsualDoseField);
  keys(dose, "2*12");
  EXPECT_EQ(dose->text(), "2×12");
  dose->setCursorPosition(1);
  QTest::mouseClick(form->Label5[6], Qt::LeftButton);  // "粒"
  EXPECT_EQ(dose->text(), "2粒×12");
  EXPECT_EQ(stored("常用量"), QStringList{"2粒×12"});

  // After the name cell had the caret, the word goes to the spare box.
  enter(0, kNameField);
  QTest::mouseClick(form->Label5[18], Qt::LeftButton);  // "口服"
  EXPECT_EQ(stored("常用量"), QStringList{"2粒×12"});
  EXPECT_EQ(stored("名称"), QStringList{"阿"});
}

TEST_F(CatalogueWindowEditing, ARefusedSaveMarksTheRowUntilItsNextGoodSave) {
  open();
  type(0, kNameField, "阿");
  QLineEdit* initials = enter(0, kInitialsField);
  initials->selectAll();
  QTest::keyClick(initials, Qt::Key_Backspace);  // the table takes no empty initials
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(form->grid->band(0)->palette().color(QPalette::Window), grid::kUnsavedColor);
  EXPECT_EQ(form->Label8->text(), "未保存：拼音不能为空");
  EXPECT_EQ(stored("拼音"), QStringList{"a"});

  // A reload that would drop it asks first; No keeps the row on screen.
  click(*form, "Command10");
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(form->grid->state().unsavedCount(), 1);

  keys(initials, "e");
  EXPECT_EQ(stored("拼音"), QStringList{"e"});
  EXPECT_EQ(form->grid->band(0)->palette().color(QPalette::Window), grid::PagedGridState::stripeColor(0));
  EXPECT_EQ(form->Label8->text(), "");
}

// A name that gives no pinyin initials is not stored, and the row says what is wrong with
// the name; a name that gives some is stored at the next keystroke.
TEST_F(CatalogueWindowEditing, ANameWithoutPinyinInitialsIsRefusedForItsName) {
  open();
  type(0, kNameField, "★");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(form->Label8->text(),
            "未保存：名称“★”取不出拼音首字母：第一个词里没有汉字、字母或数字");
  EXPECT_EQ(form->grid->band(0)->palette().color(QPalette::Window), grid::kUnsavedColor);
  EXPECT_TRUE(stored("名称").isEmpty());

  keys(cell(0, kNameField), "阿");
  EXPECT_EQ(stored("名称"), QStringList{"★阿"});
  EXPECT_EQ(stored("拼音"), QStringList{"a"});
  EXPECT_EQ(form->Label8->text(), "");
}

TEST_F(CatalogueWindowEditing, ARowWithoutANameIsKeptOnScreenAndAReloadAsksBeforeDroppingIt) {
  open(catalogueRow("1", "布洛芬", "西成药·解热镇痛"));
  type(1, kUsualDoseField, "10ml");
  EXPECT_EQ(stored("名称"), QStringList{"布洛芬"});
  EXPECT_EQ(form->Label8->text(), "未保存：请先输入药物名称");

  dialogs.answers.enqueue(platform::Dialogs::Answer::No);
  click(*form, QStringLiteral("Command1_%1").arg(kHerbalButton));
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_EQ(form->Label3->text(), categoryPrefix(kAllWesternButton));
  EXPECT_EQ(cell(1, kUsualDoseField)->text(), "10ml");

  dialogs.answers.enqueue(platform::Dialogs::Answer::Yes);
  click(*form, QStringLiteral("Command1_%1").arg(kHerbalButton));
  EXPECT_EQ(form->Label3->text(), categoryPrefix(kHerbalButton));
  EXPECT_EQ(form->grid->state().unsavedCount(), 0);
  EXPECT_EQ(stored("名称"), QStringList{"布洛芬"});
}

TEST_F(CatalogueWindowEditing, PickListsOpenUnderTheirCellAndFollowTheGridSideways) {
  open();
  type(0, kNameField, "阿");
  QLineEdit* unit = enter(0, kUnitField);
  ASSERT_TRUE(form->List3->isVisible());
  EXPECT_EQ(form->List3->item(0)->text(), "ml");
  EXPECT_EQ(form->List3->count(), 13);
  QTest::keyClick(unit, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), form->List3);
  QTest::keyClick(form->List3, Qt::Key_Down);
  QTest::keyClick(form->List3, Qt::Key_Return);
  EXPECT_EQ(unit->text(), "mg");
  EXPECT_EQ(stored("单位"), QStringList{"mg"});
  EXPECT_FALSE(form->List3->isVisible());
  // Taking a unit moves on to the usage, whose list opens under western buttons.
  EXPECT_EQ(QApplication::focusWidget(), cell(0, kUsageField));
  ASSERT_TRUE(form->List1->isVisible());

  const int before = form->List1->x();
  form->grid->HS1()->setValue(form->grid->HS1()->maximum());
  EXPECT_EQ(form->List1->x() - before, form->grid->surface()->x());
  EXPECT_LT(form->grid->surface()->x(), 0);

  testing_support::doubleClickRow(form->List1, 3);
  EXPECT_EQ(stored("用法"), QStringList{"静脉滴注 每日1次"});
  EXPECT_EQ(QApplication::focusWidget(), cell(0, kInitialsField));

  // Taking a category moves to the selling price.
  enter(0, kCategoryField);
  ASSERT_TRUE(form->List4->isVisible());
  form->List4->setCurrentRow(0);
  QTest::keyClick(form->List4, Qt::Key_Return);
  EXPECT_EQ(stored("分类"), QStringList{"西成药·抗生素"});
  EXPECT_EQ(QApplication::focusWidget(), cell(0, kSellingPriceField));

  // Fee items offer no unit and no category: Down does nothing.
  click(*form, QStringLiteral("Command1_%1").arg(kFeeButton));
  QLineEdit* feeUnit = enter(0, kUnitField);
  EXPECT_FALSE(form->List3->isVisible());
  QTest::keyClick(feeUnit, Qt::Key_Down);
  EXPECT_EQ(QApplication::focusWidget(), feeUnit);
}

// The pick lists drawn in the program's own window font.
class CatalogueWindowListsDrawn : public CatalogueWindowEditing {
 protected:
  testing_support::ProgramFont font;
};

// Each pick list row is its font's line spacing and two pixels more: the entries stand
// apart, as in the record and template windows.
TEST_F(CatalogueWindowListsDrawn, PickListRowsStandApart) {
  open();
  type(0, kNameField, "阿");
  // The units are Latin letters, whose thin strokes leave no solid line of ink to
  // measure: their rows are measured, the Chinese entries' ink too.
  const struct {
    int column;
    QListWidget* CatalogueWindow::*list;
    bool chinese;
  } lists[] = {{kUnitField, &CatalogueWindow::List3, false},
               {kUsageField, &CatalogueWindow::List1, true},
               {kCategoryField, &CatalogueWindow::List4, true}};
  for (const auto& l : lists) {
    SCOPED_TRACE(l.column);
    QTest::mouseClick(cell(0, l.column), Qt::LeftButton);
    QListWidget* list = form->*l.list;
    ASSERT_TRUE(list->isVisible());
    ASSERT_GE(list->count(), 3);
    const int pitch = QFontMetrics(list->font()).lineSpacing() + 2;
    for (int r = 0; r < 3; ++r) EXPECT_EQ(list->visualItemRect(list->item(r)).height(), pitch) << r;
    if (!l.chinese) continue;
    const QRect rows = list->visualItemRect(list->item(0)).united(list->visualItemRect(list->item(2)));
    const auto ink = testing_support::inkRows(list->viewport(), rows);
    ASSERT_EQ(ink.size(), 3);
    EXPECT_GE(testing_support::smallestGap(ink), 2);
  }
}

}  // namespace
