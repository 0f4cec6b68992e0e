// What the catalogue grid does with typed cells: replacements, brackets, pick lists,
// Enter's walk, the proposed selling price, and keys for new rows.
#include "catalogue/service/CatalogueCategories.h"
#include "catalogue/service/CatalogueRow.h"
#include "catalogue/service/CellEditing.h"
#include "catalogue/service/RowKeys.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

using namespace catalogue;

TEST(CellEditing, EachColumnReplacesOnlyItsCharacters) {
  const struct {
    int column;
    const char* typed;
    const char* shown;
  } cases[] = {
      {kUsualDoseField, "10mg*12片。", "10mg×12片."},
      {kSellingPriceField, "12。5", "12.5"},
      {kPurchasePriceField, "2。5*", "2.5*"},
      {kStockField, "3。0", "3.0"},
      {kNameField, "维生素C。*", "维生素C。*"},
      {kUsageField, "每日3次。", "每日3次。"},
      {kDrawerField, "A。1", "A。1"},
  };
  for (const auto& c : cases) EXPECT_EQ(replacedInColumn(c.column, c.typed), QString::fromUtf8(c.shown)) << c.typed;
  EXPECT_EQ(nameWithBrackets("阿莫西林（0.25g）(胶囊)"), "阿莫西林[0.25g][胶囊]");
}

TEST(CellEditing, NewRowCategoryAndPickListsFollowTheButton) {
  EXPECT_EQ(newRowCategory(kAllWesternButton), "西成药");
  EXPECT_EQ(newRowCategory(0), "抗生素");
  EXPECT_EQ(newRowCategory(kHerbalButton), "中药");
  EXPECT_EQ(newRowCategory(kFeeButton), "收费项目");

  EXPECT_EQ(unitChoices(kHerbalButton), (QStringList{"g", "枚", "条", "个", "袋", "对"}));
  EXPECT_EQ(unitChoices(kAllWesternButton).size(), 13);
  EXPECT_EQ(unitChoices(3), unitChoices(kAllWesternButton));
  for (int button : {kFeeButton, kUsageButton}) {
    EXPECT_TRUE(unitChoices(button).isEmpty());
    EXPECT_EQ(pickListFor(kUnitField, button), PickList::None);
    EXPECT_EQ(pickListFor(kUsageField, button), PickList::None);
    EXPECT_EQ(pickListFor(kCategoryField, button), PickList::None);
  }
  EXPECT_EQ(pickListFor(kUnitField, kHerbalButton), PickList::Unit);
  EXPECT_EQ(pickListFor(kCategoryField, kHerbalButton), PickList::None);
  EXPECT_EQ(pickListFor(kUsageField, 0), PickList::Usage);
  EXPECT_EQ(pickListFor(kCategoryField, kAllWesternButton), PickList::Category);
  EXPECT_EQ(pickListFor(kNameField, 0), PickList::None);

  EXPECT_EQ(paletteWords().size(), 22);
  EXPECT_EQ(paletteWords().count(QString()), 2);
  EXPECT_EQ(usagePhrases().size(), 10);
}

TEST(CellEditing, EnterWalksTheRowInScreenOrderAndStopsAtTheDrawer) {
  QList<int> walk;
  for (int column = kNameField; column >= 0; column = enterTarget(column)) walk << column;
  EXPECT_EQ(walk, (QList<int>{kNameField, kUsualDoseField, kUnitField, kUsageField, kInitialsField, kCategoryField,
                              kPurchasePriceField, kSellingPriceField, kStockField, kDrawerField}));
  EXPECT_EQ(enterTarget(kKeyField), -1);
}

TEST(CellEditing, SellingPriceIsProposedOnlyOverAPriceThatReadsZero) {
  const struct {
    const char* cost;
    const char* ratio;
    const char* price;
    std::optional<QString> proposed;
  } cases[] = {
      {"2.5", "1.25", "", QString("3.125")},
      {"2.5", "1.25", "0", QString("3.125")},
      {"2.5", "1.25", "abc", QString("3.125")},
      {" 4元", "1.5", "0.000", QString("6.000")},
      {"2.5", "1.25", "3", std::nullopt},
      {"", "1.25", "", std::nullopt},
      {"2.5", "", "", std::nullopt},
      {"2.5", "abc", "", std::nullopt},
      {"2.5", "0", "", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(proposedSellingPrice(c.cost, c.ratio, c.price), c.proposed) << c.cost << c.ratio << c.price;
}

TEST(RowKeys, KeysOfOneSecondDifferAndPassOverTakenOnes) {
  const QDateTime second(QDate(2024, 3, 5), QTime(9, 8, 7));
  RowKeys keys(QStringLiteral("AB12"), [&] { return second; });
  QSet<QString> issued;
  for (int i = 0; i < 5; ++i) issued.insert(keys.next({}));
  EXPECT_EQ(issued.size(), 5);
  for (const QString& key : issued) {
    EXPECT_TRUE(key.startsWith("240305090807AB12")) << key.toStdString();
    EXPECT_GE(key.size(), 12);
  }
  // A key that the table holds (another run in the same second) is passed over.
  RowKeys again(QStringLiteral("AB12"), [&] { return second; });
  const QString key = again.next([&](const QString& k) { return issued.contains(k); });
  EXPECT_FALSE(issued.contains(key));
  // Another workstation in the same second gets other keys.
  RowKeys other(QStringLiteral("CD34"), [&] { return second; });
  EXPECT_FALSE(issued.contains(other.next({})));
}

}  // namespace
