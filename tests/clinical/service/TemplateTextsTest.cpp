// The templates window's texts: the herbal formula layout, the order text of a new
// entry and the trailing strip of the save.
#include "clinical/service/TemplateTexts.h"

#include <gtest/gtest.h>

namespace {

using clinical::contentForSave;
using clinical::FormulaLayout;
using clinical::kFormulaKind;
using clinical::kSetKind;

QString blanks(int n) { return QString(n, u' '); }

TEST(FormulaLayout, LaysOutHerbsInCellsOfThirteenColumns) {
  const QString crlf = QStringLiteral("\r\n");
  struct Case {
    const char* what;
    QString typed;
    QString stored;
  };
  const QString fourOnARow = QStringLiteral("当归10g") + blanks(6) + QStringLiteral("川芎6g") + blanks(7) +
                             QStringLiteral("白芍12g") + blanks(6) + QStringLiteral("熟地15g") + blanks(6);
  const Case cases[] = {
      {"two herbs joined by 、", QStringLiteral("当归10克、川芎6克"),
       QStringLiteral("当归10g") + blanks(6) + QStringLiteral("川芎6g") + blanks(7)},
      {"five herbs: four on a row, a blank line, the fifth",
       QStringLiteral("当归10克、川芎6克、白芍12克、熟地15克、黄芪30克"),
       fourOnARow + crlf + crlf + QStringLiteral("黄芪30g") + blanks(6)},
      {"a tail without a unit follows unchanged", QStringLiteral("当归10克\r\n水煎服，每日一剂"),
       QStringLiteral("当归10g") + blanks(6) + QStringLiteral("\r\n水煎服，每日一剂")},
      {"upper-case G is no unit", QStringLiteral("当归10G 川芎6G"), QStringLiteral("当归10G 川芎6G")},
      {"names only stay as typed", QStringLiteral("当归、川芎"), QStringLiteral("当归 川芎")},
      {"mg ends an entry after its g", QStringLiteral("麝香100mg 冰片1g"),
       QStringLiteral("麝香100mg") + blanks(4) + QStringLiteral("冰片1g") + blanks(7)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(contentForSave(c.typed, kFormulaKind), c.stored);
    // Saving the stored formula again stores the same text.
    EXPECT_EQ(contentForSave(c.stored, kFormulaKind), c.stored);
  }
}

TEST(FormulaLayout, CaretStandsAfterTheLastEntryBeforeTheTail) {
  const auto laid = FormulaLayout(QStringLiteral("当归10克、川芎6克\r\n另包"));
  EXPECT_EQ(laid.caret, laid.text.indexOf(QStringLiteral("\r\n另包")));
}

TEST(TemplateTexts, OrderTextOfANewEntry) {
  const std::pair<long long, const char*> cases[] = {{0, "001"}, {9, "010"}, {999, "000"}, {1000, "001"}};
  for (const auto& [rows, order] : cases) EXPECT_EQ(clinical::newOrderText(rows), QString::fromLatin1(order)) << rows;
}

TEST(TemplateTexts, TrailingStripLeavesOneOfTwentyTwoLineBreaks) {
  QString crlfs;
  for (int i = 0; i < 22; ++i) crlfs += QStringLiteral("\r\n");
  const struct {
    QString typed, stored;
  } cases[] = {
      {QStringLiteral("  阿莫西林胶囊") + crlfs, QStringLiteral("阿莫西林胶囊\r\n")},
      {QStringLiteral("甲\r\n \r\n  "), QStringLiteral("甲")},
      {QStringLiteral("甲\n"), QStringLiteral("甲\n")},  // a lone LF stays
      {QString(), QString()},
  };
  for (const auto& c : cases) EXPECT_EQ(contentForSave(c.typed, kSetKind), c.stored) << c.typed.toStdString();
}

}  // namespace
