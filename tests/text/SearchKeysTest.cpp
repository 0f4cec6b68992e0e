// The search keys stored with catalogue rows, templates, phrases, symptoms and patients,
// and the brace form of drug names.
#include "support/ShippedTables.h"
#include "text/BraceEscapedName.h"
#include "text/Columns.h"
#include "text/SearchKeys.h"

#include <gtest/gtest.h>

namespace {

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

TEST(SearchKeys, ShippedKeyFormats) {
  const text::StrokeCoder strokes(testing_support::shippedStrokeCodeTable());
  EXPECT_EQ(text::CatalogSearchKey(u16(u"0.5%甲硝唑注射液"), strokes), u16(u"0.5%甲硝唑注射液-05jxzzsy-1212434$"));
  EXPECT_EQ(text::CatalogSearchKey(u16(u"0.9%氯化钠注射液{100}"), strokes),
            u16(u"0.9%氯化钠注射液{100}-09lhnzsy100-3334341$"));
  EXPECT_EQ(text::CatalogSearchKey(u16(u"5%葡萄糖注射液{250}"), strokes),
            u16(u"5%葡萄糖注射液{250}-5pttzsy250-111443451$"));
  EXPECT_EQ(text::TemplateSearchKey(u16(u"桂枝汤"), strokes), u16(u"桂枝汤gzt11441533$"));
  EXPECT_EQ(text::NameInitialsKey(u16(u"2型糖尿病")), u16(u"2型糖尿病-2xtnb"));
  EXPECT_EQ(text::NameInitialsKey(u16(u"用法：加水100ml分3次煎服。")),
            u16(u"用法：加水100ml分3次煎服。-yfjs100mlf3cjf"));
  EXPECT_EQ(text::NameInitialsKey(u16(u"急性 胃炎")), u16(u"急性 胃炎-jx"));  // initials stop at the blank
  EXPECT_EQ(text::SymptomKey(u16(u"发热，体温39℃")), u16(u"发热，体温39℃frtw39"));
  EXPECT_EQ(text::PatientKey(u16(u"张三"), "1980"), u16(u"张三zs1980"));
  EXPECT_EQ(text::PatientKey(u16(u"张三"), ""), u16(u"张三zs"));
}

TEST(BraceEscapedName, BracketsAreStoredAsBraces) {
  EXPECT_EQ(text::BraceEscapedName(u16(u"0.9%氯化钠注射液[100]")), u16(u"0.9%氯化钠注射液{100}"));
  EXPECT_EQ(text::BracketedName(u16(u"0.9%氯化钠注射液{100}")), u16(u"0.9%氯化钠注射液[100]"));
  EXPECT_EQ(text::BraceEscapedName(u16(u"青霉素皮试[  ]")), u16(u"青霉素皮试{  }"));
  EXPECT_EQ(text::BraceEscapedName(u16(u"紫苑")), u16(u"紫苑"));
  EXPECT_EQ(text::BraceEscapedName(u16(u"a]b[c")), u16(u"a}b{c"));
}

TEST(PadRight13, LeftAlignsInThirteenColumns) {
  struct Case {
    const char16_t* text;
    int blanks;
  };
  const Case cases[] = {
      {u"", 13},
      {u"黄芪", 9},            // width 4
      {u"紫苑10g", 6},         // width 7
      {u"黄芪当归白术", 1},    // width 12
      {u"黄芪当归白术g", 1},   // width 13
      {u"炙甘草30g炒白术", 1}, // width 15
      {u"한", 12},             // a character code page 936 cannot hold counts 1
      {u"\u3000", 11},         // the full-width blank counts 2
  };
  for (const Case& c : cases) {
    const QString s = u16(c.text);
    EXPECT_EQ(text::PadRight13(s), s + QString(c.blanks, u' ')) << s.toStdString();
  }
}

}  // namespace
