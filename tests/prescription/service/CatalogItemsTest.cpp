// The drug list's entries: name with brackets, dose and unit, the usage twin; a column
// without a value kept apart from an empty one.
#include "prescription/service/CatalogItems.h"

#include <gtest/gtest.h>

namespace {

using Opt = std::optional<QString>;
constexpr std::nullopt_t kNull = std::nullopt;

TEST(CatalogItems, BuildTheListTextAndItsUsageTwin) {
  struct Case {
    const char* what;
    prescription::CatalogRow row;
    Opt item;
    Opt usageItem;
  };
  const Case cases[] = {
      {"dose ending in its unit", {"阿莫西林", "10g", "g", ""}, "阿莫西林 10g", "阿莫西林 10g"},
      {"dose without its unit", {"阿莫西林", "10", "g", ""}, "阿莫西林 10g", "阿莫西林 10g"},
      {"only the last character is compared", {"地塞米松", "0.5mg", "mg", ""}, "地塞米松 0.5mgmg",
       "地塞米松 0.5mgmg"},
      {"the dose is taken as stored", {"甲", "10g ", "g", ""}, "甲 10g ", "甲 10g "},
      {"a blank dose and no usage: the name alone", {"乙", " ", "片", " "}, "乙", "乙"},
      {"a usage", {"阿莫西林胶囊", "0.5g", "g", "口服 每日3次"}, "阿莫西林胶囊 0.5g",
       "阿莫西林胶囊 0.5g\\口服 每日3次"},
      {"a usage and a unit but no dose", {"维C片", "", "片", "口服"}, "维C片 片", "维C片 片\\口服"},
      {"a usage without a value is not blank", {"丙", "2", "支", kNull}, "丙 2支", "丙 2支\\"},
      {"a dose without a value is not blank", {"丁", kNull, "支", ""}, "丁 支", "丁 支"},
      {"nor is it ever in the unit", {"戊", kNull, "", "口服"}, "戊 ", "戊 \\口服"},
      {"an empty unit is in an empty dose", {"己", "", "", "口服"}, "己 ", "己 \\口服"},
      {"braces are shown as brackets", {"{复方}甘草片{10}", "", "", ""}, "[复方]甘草片[10]", "[复方]甘草片[10]"},
      {"a row without a name is not listed", {kNull, "10g", "g", "口服"}, kNull, kNull},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(prescription::CatalogListItem(c.row), c.item);
    EXPECT_EQ(prescription::CatalogUsageItem(c.row), c.usageItem);
    const auto entry = prescription::catalogEntry(c.row);
    EXPECT_EQ(entry.has_value(), c.item.has_value());
  }
}

TEST(CatalogItems, TemplatesRememberTheirKeyAndNeedATitle) {
  const auto entry = prescription::templateEntry("20240305093015", QString("桂枝汤"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->key, "20240305093015");
  EXPECT_EQ(entry->title, "桂枝汤");
  EXPECT_FALSE(prescription::templateEntry("20240305093016", kNull).has_value());
  EXPECT_TRUE(prescription::templateEntry("20240305093017", QString()).has_value());  // empty, not NULL
}

}  // namespace
