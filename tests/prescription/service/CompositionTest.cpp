// Composing the prescription text: picks of every category on both sheets, the duplicate
// herb, formulas, personal sets and route lines.
#include "prescription/service/Composition.h"

#include <gtest/gtest.h>

namespace {

using prescription::ComposedText;

QString blanks(int n) { return QString(n, u' '); }

TEST(PickCatalogRow, ComposesEachKindOfRowOnEitherSheet) {
  struct Case {
    const char* what;
    bool herbal;
    QString text;
    QString item;
    QString usageItem;
    QString result;
  };
  const QString herbs = "当归10g" + blanks(6);
  const Case cases[] = {
      {"ordinary: a row with a usage", false, "",
       "阿莫西林胶囊 0.5g", "阿莫西林胶囊 0.5g\\口服 每日3次",
       "阿莫西林胶囊 0.5g\r\n    用法：口服 每日3次\r\n\r\n"},
      {"ordinary: a usage phrase", false, "A\r\n", "用法：口服", "用法：口服", "A\r\n    用法：口服\r\n\r\n"},
      {"ordinary: sig in any case", false, "", "SIG: tid", "SIG: tid", "    SIG: tid\r\n\r\n"},
      {"ordinary: a plain row", false, "A\r\n", "注射费", "注射费", "A\r\n注射费\r\n"},
      {"herbal: a row with a usage goes in nowhere", true, herbs, "阿莫西林胶囊 0.5g",
       "阿莫西林胶囊 0.5g\\口服", herbs},
      {"herbal: a usage phrase goes in nowhere", true, herbs, "用法：口服", "用法：口服", herbs},
      {"herbal: nor does a sig row", true, herbs, "Sig: bid", "Sig: bid", herbs},
      {"herbal: a fee line after a blank line", true, herbs, "煎药费", "煎药费", "当归10g\r\n\r\n煎药费\r\n"},
      {"herbal: a second fee line one blank line below the first", true, "当归10g\r\n\r\n煎药费\r\n", "代煎",
       "代煎", "当归10g\r\n\r\n煎药费\r\n\r\n代煎\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ComposedText composed = prescription::pickCatalogRow(c.text, c.item, c.usageItem, c.herbal);
    EXPECT_EQ(composed.text, c.result);
    EXPECT_EQ(composed.caret, composed.text.size());  // at the end, also when nothing went in
  }
}

TEST(PickHerb, RefusesAHerbWhoseNameIsAlreadyInTheText) {
  struct Case {
    QString text;
    QString item;
  };
  const Case cases[] = {
      {"当归10g" + blanks(6), "当归 10g"},
      {"炙甘草6g" + blanks(5), "甘草 6g"},        // a shorter name inside a longer one
      {"黄芪12.5g" + blanks(4), "黄芪 12.5g"},     // the point and the unit go too
      {"\r\n    用法：大枣煎服\r\n", "大枣 5枚"},     // anywhere in the text
  };
  for (const Case& c : cases) {
    const prescription::HerbPick pick = prescription::pickHerb(c.text, 0, 0, c.item, true);
    EXPECT_TRUE(pick.duplicate) << c.item.toStdString();
    EXPECT_EQ(pick.result.text, c.text);
  }
  EXPECT_EQ(prescription::herbName("黄芪 12.5g"), "黄芪");
  EXPECT_EQ(prescription::herbName(" 大枣 5枚 "), "大枣");
}

TEST(PickHerb, PutsTheCellInPlaceOfTheSelectionAndLaysTheHerbsOut) {
  const QString text = "当归10g" + blanks(6) + "黄芪10g" + blanks(6);
  // The selection covers the second cell; the new herb takes its place.
  prescription::HerbPick pick = prescription::pickHerb(text, 11, 22, "白芍 10g", true);
  ASSERT_FALSE(pick.duplicate);
  EXPECT_EQ(pick.result.text, "当归10g" + blanks(6) + "白芍 10g" + blanks(5));
  EXPECT_EQ(pick.result.caret, pick.result.text.size());
  ASSERT_TRUE(pick.layout.has_value());
  EXPECT_EQ(pick.layout->summary, "中药共 2 味  重量：20g");

  // At the caret, in front of the fee lines; a blank after "]" goes.
  pick = prescription::pickHerb("当归10g" + blanks(6) + "\r\n\r\n煎药费\r\n", 11, 11, "白术[炒] 10g", true);
  EXPECT_EQ(pick.result.text, "当归10g" + blanks(6) + "白术[炒]10g" + blanks(2) + "\r\n\r\n煎药费\r\n");
  EXPECT_EQ(pick.layout->tail, "\r\n\r\n煎药费\r\n");

  // On an ordinary sheet a herb is a plain line at the end, and nothing is laid out.
  pick = prescription::pickHerb("A\r\n", 0, 0, "当归 10g", false);
  EXPECT_EQ(pick.result.text, "A\r\n当归 10g\r\n");
  EXPECT_FALSE(pick.layout.has_value());
}

TEST(PickTemplate, FormulaFollowsDirectlyAndPersonalSetStartsOnItsOwnLine) {
  EXPECT_EQ(prescription::pickFormula("当归10g ", "桂枝9g 白芍9g").text, "当归10g 桂枝9g 白芍9g");
  struct Case {
    QString text;
    QString result;
  };
  const Case sets[] = {
      {"", "感冒组\r\n\r\n"},
      {"A\r\n", "A\r\n感冒组\r\n\r\n"},
      {"A", "A\r\n感冒组\r\n\r\n"},
  };
  for (const Case& c : sets) {
    const ComposedText composed = prescription::pickPersonalSet(c.text, "感冒组");
    EXPECT_EQ(composed.text, c.result);
    EXPECT_EQ(composed.caret, composed.text.size());
  }
}

TEST(RouteLabels, AppendAUsageLineWithABlankLine) {
  EXPECT_EQ(prescription::appendRouteLine("A\r\n", 0), "A\r\n    用法：静脉滴注  每日1次\r\n\r\n");
  EXPECT_EQ(prescription::appendRouteLine("", 5), "    用法：皮试  每日1次\r\n\r\n");
  EXPECT_EQ(prescription::appendRouteLine("A", 6), "A");
}

}  // namespace
