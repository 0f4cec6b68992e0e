// Line breaks that keep entries whole, at the program's font: a row of herbs breaks only
// where a herb starts.
#include "text/TextWrap.h"

#include "ui/Fonts.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace {

const QString kUnits = QStringLiteral("条g枚个袋对");

TEST(TextWrap, EntryStartsOnlyAfterAnEntrysEndAndItsBlanks) {
  const QString row = QStringLiteral("当归 10g     白花蛇舌草 15g 甘草6g");
  const struct {
    qsizetype at;
    bool starts;
  } cases[] = {{0, false}, {3, false}, {8, true}, {11, true}, {12, false}, {17, false}, {21, true}};
  for (const auto& c : cases) EXPECT_EQ(text::entryStartsAt(row, c.at, kUnits), c.starts) << c.at;
}

// At a width that ends inside the last herb, the herb moves to the next line whole; a
// herb wider than the whole line breaks where it must; without entry ends the text
// breaks as a box breaks it.
TEST(TextWrap, LinesBreakBetweenEntries) {
  ui::installFontSubstitutions();
  const QFont font = ui::designFont(ui::kSongTi, 10.5);
  const QFontMetricsF metrics(font);
  const QString row = QStringLiteral("当归 10g     川芎 10g     白花蛇舌草 15g");
  const qreal width = metrics.horizontalAdvance(row.left(row.size() - 2));
  EXPECT_EQ(text::WrapTextToLines(row, font, width, kUnits),
            (QStringList{QStringLiteral("当归 10g     川芎 10g     "), QStringLiteral("白花蛇舌草 15g")}));
  EXPECT_EQ(text::WrapTextToLines(row, font, width).size(), 2);
  EXPECT_NE(text::WrapTextToLines(row, font, width).value(1), QStringLiteral("白花蛇舌草 15g"));
  const QString wide = QStringLiteral("白花蛇舌草白花蛇舌草 15g");
  EXPECT_EQ(text::WrapTextToLines(wide, font, metrics.horizontalAdvance(QStringLiteral("白花蛇舌草")), kUnits).join(""),
            wide);
}

}  // namespace
