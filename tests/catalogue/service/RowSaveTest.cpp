// A catalogue grid line as it is saved, and a stored row as the grid shows it.
#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/CatalogueValues.h"
#include "catalogue/service/RowSave.h"
#include "text/SearchKeys.h"

#include <gtest/gtest.h>

namespace {

using namespace catalogue;

// 阿, 莫 with their stroke strings: enough to see which name the stroke code comes from.
const text::StrokeCoder& strokes() {
  static const text::StrokeCoder coder(QStringLiteral("阿5212&莫1221&"));
  return coder;
}

CatalogueCells cells(const QString& name, const QString& category, const QString& selling = {},
                     const QString& purchase = {}) {
  CatalogueCells c;
  c[kNameField] = name;
  c[kCategoryField] = category;
  c[kSellingPriceField] = selling;
  c[kPurchasePriceField] = purchase;
  c[kKeyField] = "240305101010";
  return c;
}

TEST(StoredPrice, KeepsThreeDecimalsOfTheLeadingNumberOrNothing) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"12", u"12.000"},  {u"1.23456", u"1.235"}, {u"12元", u"12.000"}, {u"abc", u"0.000"},
      {u"  ", u""},        {u"", u""},             {u" 3.5 ", u"3.500"},  {u"-2", u"-2.000"},
      {u"2.0005", u"2.001"}, {u"-0.0001", u"0.000"},
  };
  for (const auto& [cell, stored] : cases)
    EXPECT_EQ(storedPrice(QString::fromUtf16(cell)), QString::fromUtf16(stored)) << QString::fromUtf16(cell).toStdString();
}

TEST(SavedRow, BuildsEveryColumnFromTheTrimmedCells) {
  CatalogueCells c = cells(" 阿莫西林[0.25g]\r\n ", "西成药", " 12元", "1.23456");
  c[kUsualDoseField] = " 0.25g×24 ";
  c[kUnitField] = "盒 ";
  c[kUsageField] = " 口服";
  c[kInitialsField] = " amxl ";
  c[kStockField] = " 12盒 ";
  c[kDrawerField] = " A3";
  const CatalogueRow row = savedRow(c, kAllWesternButton, strokes());
  EXPECT_EQ(row.name, "阿莫西林{0.25g}");
  EXPECT_EQ(row.usualDose, "0.25g×24");
  EXPECT_EQ(row.unit, "盒");
  EXPECT_EQ(row.usage, "口服");
  EXPECT_EQ(row.initials, "amxl");
  EXPECT_EQ(row.category, "西成药·西成药");
  EXPECT_EQ(row.sellingPrice, "12.000");
  EXPECT_EQ(row.purchasePrice, "1.235");
  EXPECT_EQ(row.stock, "12盒");
  EXPECT_EQ(row.drawer, "A3");
  EXPECT_EQ(row.key, "240305101010");
  EXPECT_EQ(row.searchKey, "阿莫西林{0.25g}-amxl-" + strokes().StrokeCode("阿莫西林0.25g") + "$");
}

TEST(SavedRow, CategoryTakesTheWesternPrefixOnlyUnderWesternButtons) {
  struct Case {
    int button;
    const char16_t* cell;
    const char16_t* stored;
  };
  const Case cases[] = {
      {0, u"抗生素", u"西成药·抗生素"},   {11, u"其他", u"西成药·其他"},
      {kAllWesternButton, u"西成药", u"西成药·西成药"},
      {0, u"", u"西成药·"},               // a cleared cell under a western button
      {kHerbalButton, u"中药", u"中药"},  {kFeeButton, u"", u""},
      {kUsageButton, u"用法", u"用法"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(savedRow(cells("阿", QString::fromUtf16(c.cell)), c.button, strokes()).category,
              QString::fromUtf16(c.stored))
        << c.button;
}

TEST(SavedRow, TheStrokeCodeComesFromTheNameWithoutBracketsAndBreaks) {
  CatalogueCells c = cells("阿[莫]", "中药");
  c[kInitialsField] = "xx";  // the initials as the user left them, not computed
  EXPECT_EQ(savedRow(c, kHerbalButton, strokes()).searchKey, "阿{莫}-xx-51221$");
  c[kNameField] = "阿\r\n莫";
  EXPECT_EQ(savedRow(c, kHerbalButton, strokes()).searchKey, "阿莫-xx-51221$");
  c[kNameField] = "阿\n莫";  // a break as a text box holds it
  EXPECT_EQ(savedRow(c, kHerbalButton, strokes()).name, "阿莫");
}

// A row saved from a page read before another writer dispensed from it, repriced it and
// renamed it: only the cell the user edited is taken from the page.
TEST(RowToStore, TakesOnlyTheEditedCellFromAStalePage) {
  CatalogueRow page;
  page.key = "K1";
  page.name = "阿莫";
  page.initials = "am";
  page.category = "西成药·抗生素";
  page.sellingPrice = "1.000";
  page.purchasePrice = "0.500";
  page.stock = "100";
  page.unit = "盒";
  page.searchKey = "阿莫-am-51221$";
  CatalogueRow now = page;  // what the file holds when the edit is saved
  now.stock = "99";
  now.purchasePrice = "0.600";
  now.name = "阿莫{新}";
  now.initials = "amx";
  now.searchKey = "阿莫{新}-amx-51221$";
  const CatalogueCells before = shownCells(page);

  struct Case {
    CatalogueField field;
    const char16_t* typed;
    QString CatalogueRow::*column;
    const char16_t* storedAs;
    const char16_t* strokeName;  // nullptr: the search key stays as the file holds it
  };
  const Case cases[] = {
      {kSellingPriceField, u"1.5", &CatalogueRow::sellingPrice, u"1.500", nullptr},
      {kStockField, u" 80盒 ", &CatalogueRow::stock, u"80盒", nullptr},  // a typed stock wins
      {kCategoryField, u"解热镇痛", &CatalogueRow::category, u"西成药·解热镇痛", nullptr},
      {kDrawerField, u"A3", &CatalogueRow::drawer, u"A3", nullptr},
      // The key is rebuilt from the row as it will stand: the other writer's name or
      // initials with the edited one.
      {kInitialsField, u"xx", &CatalogueRow::initials, u"xx", u"阿莫新"},
      {kNameField, u"莫[1g]", &CatalogueRow::name, u"莫{1g}", u"莫1g"},
  };
  for (const Case& c : cases) {
    CatalogueCells cells = before;
    cells[c.field] = QString::fromUtf16(c.typed);
    CatalogueRow expected = now;
    expected.*c.column = QString::fromUtf16(c.storedAs);
    if (c.strokeName)
      expected.searchKey = text::CatalogSearchKey(expected.name, expected.initials,
                                                  strokes().StrokeCode(QString::fromUtf16(c.strokeName)));
    EXPECT_EQ(rowToStore(now, before, cells, 0, strokes()), expected) << c.field;
  }
  // Nothing edited: the row stays as the file holds it.
  EXPECT_EQ(rowToStore(now, before, before, 0, strokes()), now);
}

// With no row under the key, a line typed into a blank row (or given another key) is
// written whole; a line read from the file under its key is not: its row was removed on
// another workstation since, and saving it would bring it back.
TEST(RowToStore, ARowTheFileDoesNotHoldIsWrittenWholeUnlessItWasReadFromTheFile) {
  CatalogueCells c = cells("阿莫", "抗生素", "12");
  c[kStockField] = "5";
  CatalogueCells rekeyed = c;
  rekeyed[kKeyField] = "240305101011";
  const std::tuple<const char*, CatalogueCells, CatalogueCells, bool> cases[] = {
      {"typed into a blank row", CatalogueCells{}, c, true},
      {"read from the file", c, c, false},
      {"read from the file, the stock edited since", c, cells("阿莫", "抗生素", "12"), false},
      {"read from the file, then given another key", c, rekeyed, true},
  };
  for (const auto& [what, before, now, written] : cases) {
    const std::optional<CatalogueRow> row = rowToStore(std::nullopt, before, now, 0, strokes());
    EXPECT_EQ(row.has_value(), written) << what;
    if (written) {
      EXPECT_EQ(*row, savedRow(now, 0, strokes())) << what;
    }
  }
}

// The selling price filled in on entering its cell is decided from the row as it will be
// stored: what the file holds, with the user's own edits, never the page's stale values.
TEST(RowToStore, TheSellingPriceIsFilledFromTheRowAsStored) {
  CatalogueRow page;
  page.key = "K1";
  page.name = "阿莫";
  page.purchasePrice = "2.000";
  const CatalogueCells before = shownCells(page);
  struct Case {
    const char* what;
    const char* storedPrice;
    const char* storedCost;
    const char* typedCost;  // nullptr: the cell as the page showed it
    const char* price;      // stored afterwards
  };
  const Case cases[] = {
      {"nothing changed since", "", "2.000", nullptr, "2.500"},
      {"a receipt stored a price since", "15.000", "12.000", nullptr, "15.000"},
      {"a receipt stored a cost since", "", "4.000", nullptr, "5.000"},
      {"a zero price is filled", "0.000", "4.000", nullptr, "5.000"},
      {"the cost removed since", "", "", nullptr, ""},
      {"the user typed the cost", "", "4.000", "8", "10.000"},
  };
  for (const Case& c : cases) {
    CatalogueRow now = page;
    now.sellingPrice = c.storedPrice;
    now.purchasePrice = c.storedCost;
    CatalogueCells typed = before;
    if (c.typedCost) typed[kPurchasePriceField] = c.typedCost;
    const std::optional<CatalogueRow> row = rowToStore(now, before, typed, 0, strokes(), QStringLiteral("1.25"));
    ASSERT_TRUE(row) << c.what;
    EXPECT_EQ(row->sellingPrice, c.price) << c.what;
    EXPECT_EQ(rowToStore(now, before, typed, 0, strokes())->sellingPrice, c.storedPrice) << c.what << ": no fill asked";
  }
  // A new row takes the fill from its own cells.
  const CatalogueCells typed = cells("阿莫", "抗生素", "", "2");
  EXPECT_EQ(rowToStore(std::nullopt, CatalogueCells{}, typed, 0, strokes(), QStringLiteral("1.25"))->sellingPrice, "2.500");
}

// A row is refused for empty initials; when its name gives none, the reason names the name.
TEST(InitialsRefusal, ANameThatGivesNoInitialsIsRefusedForWhatIsWrongWithIt) {
  const QString noInitials = QStringLiteral("取不出拼音首字母：第一个词里没有汉字、字母或数字");
  const struct {
    const char* name;
    const char* initials;
    QString refusal;
  } cases[] = {
      {"★★", "", QStringLiteral("名称“★★”") + noInitials},
      {"※ 阿莫西林", "", QStringLiteral("名称“※ 阿莫西林”") + noInitials},  // initials come from the first word
      {"{}", "  ", QStringLiteral("名称“[]”") + noInitials},                  // shown with its brackets
      {"阿莫西林", "", QStringLiteral("拼音不能为空")},
      {"阿莫西林", "amxl", QString()},
      {"★★", "xx", QString()},  // initials typed by hand are taken
      {"5%葡萄糖", "", QStringLiteral("拼音不能为空")},
  };
  for (const auto& c : cases) {
    CatalogueRow row;
    row.name = QString::fromUtf8(c.name);
    row.initials = QString::fromUtf8(c.initials);
    EXPECT_EQ(initialsRefusal(row), c.refusal) << c.name;
  }
}

TEST(ShownCells, ShowBracketsAndTheCategoryWithoutThePrefix) {
  CatalogueRow row;
  row.name = "阿莫西林{0.25g}";
  row.category = "西成药·西成药";
  row.sellingPrice = "15.000";
  row.key = "20240305101010";
  const CatalogueCells shown = shownCells(row);
  EXPECT_EQ(shown[kNameField], "阿莫西林[0.25g]");
  EXPECT_EQ(shown[kCategoryField], "西成药");
  EXPECT_EQ(shown[kSellingPriceField], "15.000");
  EXPECT_EQ(shown[kKeyField], "20240305101010");
  // Shown and saved again, a row keeps its stored category.
  EXPECT_EQ(savedRow(shownCells(row), kAllWesternButton, strokes()).category, "西成药·西成药");
  row.category = "西成药·抗生素";
  EXPECT_EQ(savedRow(shownCells(row), 0, strokes()).category, "西成药·抗生素");
}

TEST(KeptStock, OnlyATextBeginningWithANumberIsKeptStock) {
  const std::pair<std::optional<QString>, std::optional<double>> cases[] = {
      {QString("0"), 0.0},       {QString("-3"), -3.0},  {QString("499"), 499.0}, {QString(" 500 "), 500.0},
      {QString("12盒"), 12.0},   {QString("abc"), std::nullopt}, {QString(""), std::nullopt},
      {QString("   "), std::nullopt}, {std::nullopt, std::nullopt}, {QString("盒12"), std::nullopt},
  };
  for (const auto& [stock, kept] : cases) EXPECT_EQ(keptStock(stock), kept) << stock.value_or("NULL").toStdString();
}

TEST(CategoryButtons, PrefixesListTheButtonsRows) {
  EXPECT_EQ(categoryPrefix(0), "西成药·抗生素");
  EXPECT_EQ(categoryPrefix(8), "西成药·维生素激素");
  EXPECT_EQ(categoryPrefix(kAllWesternButton), "西成药");
  EXPECT_EQ(categoryPrefix(kHerbalButton), "中药");
  EXPECT_EQ(categoryPrefix(kFeeButton), "收费项目");
  EXPECT_EQ(categoryPrefix(kUsageButton), "用法");
  EXPECT_EQ(kWesternPrefix.at(3).unicode(), 0x00B7);
}

}  // namespace
