// The category buttons' listings and layouts, the typed search, and the search row's keys.
#include "prescription/service/CatalogSearch.h"

#include "prescription/service/PrescriptionState.h"

#include <gtest/gtest.h>

namespace {

using prescription::CatalogQuery;
using Match = CatalogQuery::Match;
using Table = CatalogQuery::Table;

TEST(CatalogSearch, ChoosesWhatEachButtonAndEachSearchLists) {
  struct Case {
    int category;
    std::optional<QString> typed;  // nullopt: right after the click
    CatalogQuery query;
  };
  const Case cases[] = {
      {0, std::nullopt, {Table::Catalogue, "", Match::EndsWith, "抗生素"}},
      {0, "", {Table::Catalogue, "", Match::EndsWith, "抗生素"}},
      {0, "   ", {Table::Catalogue, "   ", Match::EndsWith, "抗生素"}},  // blank: the category alone
      {0, "a", {Table::Catalogue, "a", Match::NotEquals, "中药"}},         // typed: every row but herbs
      {11, " 1 ", {Table::Catalogue, " 1 ", Match::NotEquals, "中药"}},    // the text is not trimmed
      {12, std::nullopt, {Table::Catalogue, "", Match::EndsWith, "收费项目"}},
      {12, "zs", {Table::Catalogue, "zs", Match::NotEquals, "中药"}},
      {13, "", {Table::Catalogue, "", Match::EndsWith, "用法"}},
      {14, std::nullopt, {Table::Catalogue, "", Match::EndsWith, "中药"}},
      {14, "", {Table::Catalogue, "", Match::Equals, "中药"}},
      {14, "12", {Table::Catalogue, "12", Match::Equals, "中药"}},
      {15, std::nullopt, {Table::Templates, "", Match::Equals, "中药方剂"}},
      {15, "gz", {Table::Templates, "gz", Match::Equals, "中药方剂"}},
      {16, "%_", {Table::Templates, "%_", Match::Equals, "个人组套"}},
  };
  for (const Case& c : cases) {
    const CatalogQuery query =
        c.typed ? prescription::searchQuery(c.category, *c.typed) : prescription::clickQuery(c.category);
    EXPECT_EQ(query, c.query) << c.category << " " << c.typed.value_or("(click)").toStdString();
  }
}

TEST(CatalogSearch, HerbsAndFormulasMakeTheSheetHerbalAndFeesAndUsagesLeaveIt) {
  for (int i = 0; i < prescription::kCategoryCount; ++i) {
    const std::optional<bool> herbal = prescription::herbalAfterClick(i);
    if (i == 12 || i == 13) {
      EXPECT_FALSE(herbal.has_value()) << i;
    } else {
      ASSERT_TRUE(herbal.has_value()) << i;
      EXPECT_EQ(*herbal, i == 14 || i == 15) << i;
    }
  }
}

TEST(CatalogSearch, SearchRowEdits) {
  EXPECT_EQ(prescription::withoutApostrophes("d'a''ng"), "dang");
  EXPECT_EQ(prescription::dropLastCharacter("党参"), "党");
  EXPECT_EQ(prescription::dropLastCharacter(""), "");
  EXPECT_EQ(prescription::dropLastCharacter(QString::fromUtf16(u"a\U00020000")), "a");  // one character
  EXPECT_EQ(prescription::appendStroke("1", 0), "11");
  EXPECT_EQ(prescription::appendStroke("", 4), "5");
  EXPECT_EQ(prescription::kStrokeHintLines.size(), 3);
  EXPECT_TRUE(prescription::kStrokeHintLines[2].startsWith("     如："));
}

}  // namespace
