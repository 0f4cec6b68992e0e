// The infusion card on the recording device. With 5 mm margins the card's origin is the
// printable area's corner, so card millimetres × 56.7 are the recorded twips.
#include "printing/service/InfusionCardPrint.h"
#include "printing/service/RecordingDevice.h"

#include "support/DesignedSheet.h"

#include <gtest/gtest.h>

namespace {

using printing::InfusionCard;
using printing::RecordingDevice;

InfusionCard sampleCard(const QString& lines) {
  return InfusionCard{QStringLiteral("2019-07-15"), QStringLiteral("林晓东"), QStringLiteral("男"),
                      QStringLiteral("25岁"), QStringLiteral("上呼吸道感染"), lines};
}

RecordingDevice printed(const InfusionCard& card, const char* left = "5", const char* top = "5",
                        bool portrait = true) {
  RecordingDevice device;
  printing::PrintSurface surface(device);
  printing::printInfusionCard(surface, card, testing_support::sheetSettings(left, top, portrait));
  EXPECT_EQ(surface.endDoc(), printing::PrintOutcome::Printed);
  return device;
}

TEST(InfusionCardPrint, TitleParticularsAndTheRuledTable) {
  const RecordingDevice device = printed(sampleCard(QString()));
  const auto title = device.textsNamed(QStringLiteral("输液注射卡"));
  ASSERT_EQ(title.size(), 1);
  EXPECT_NEAR(title[0].at.x(), 50 * 56.7, 1e-6);
  EXPECT_NEAR(title[0].at.y(), 8 * 56.7, 1e-6);
  EXPECT_TRUE(title[0].bold);
  EXPECT_DOUBLE_EQ(title[0].size, 18);

  const auto particulars = device.textsNamed(QStringLiteral("姓名：林晓东     性别：男      年龄：25岁"));
  ASSERT_EQ(particulars.size(), 1);
  EXPECT_NEAR(particulars[0].at.y(), 27 * 56.7, 1e-6);
  EXPECT_FALSE(particulars[0].bold);
  EXPECT_DOUBLE_EQ(particulars[0].size, 11);
  EXPECT_EQ(device.textsNamed(QStringLiteral("日期：2019-07-15")).size(), 1);
  EXPECT_EQ(device.textsNamed(QStringLiteral("诊断：上呼吸道感染")).size(), 1);
  const auto speed = device.textsNamed(QStringLiteral("滴速"));
  ASSERT_EQ(speed.size(), 1);
  EXPECT_NEAR(speed[0].at.x(), 72 * 56.7, 1e-6);
  EXPECT_NEAR(speed[0].at.y(), 43.5 * 56.7, 1e-6);

  // 21 level rules 7 mm apart, then the five upright ones from 42 to 182 mm.
  ASSERT_EQ(device.lines.size(), 26);
  for (int k = 0; k < 21; ++k) {
    EXPECT_NEAR(device.lines[k].from.y(), 2381.4 + 396.9 * k, 1e-6);
    EXPECT_NEAR(device.lines[k].to.x(), 120 * 56.7, 1e-6);
  }
  const double columns[] = {0, 68, 85, 102, 120};
  for (int c = 0; c < 5; ++c) {
    EXPECT_NEAR(device.lines[21 + c].from.x(), columns[c] * 56.7, 1e-6);
    EXPECT_NEAR(device.lines[21 + c].to.y(), 10319.4, 1e-6);
  }
  EXPECT_EQ(device.lines[0].width, 1);
}

TEST(InfusionCardPrint, CardLinesFillTheRowsAndRunOnBelowTheTable) {
  QStringList lines;
  for (int n = 1; n <= 21; ++n) lines.append(QStringLiteral("  第%1行 5%葡萄糖注射液").arg(n));
  const RecordingDevice device = printed(sampleCard(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  EXPECT_EQ(device.pages.size(), 1);  // no new page of its own
  for (int n = 1; n <= 21; ++n) {
    const auto line = device.textsNamed(lines[n - 1]);
    ASSERT_EQ(line.size(), 1) << n;
    EXPECT_NEAR(line[0].at.x(), 56.7, 1e-6);
    EXPECT_NEAR(line[0].at.y(), 2466.45 + 396.9 * n, 1e-6);
  }
  EXPECT_NEAR(device.textsNamed(lines[20])[0].at.y(), 10801.35, 1e-6);
  EXPECT_GT(10801.35, 10319.4);  // line 21 stands below the bottom rule
}

TEST(InfusionCardPrint, EmptyPiecesTakeARowAndAnEmptyCardHasNone) {
  const RecordingDevice gap = printed(sampleCard(QStringLiteral("甲\r\n\r\n乙")));
  ASSERT_EQ(gap.textsNamed(QStringLiteral("乙")).size(), 1);
  EXPECT_NEAR(gap.textsNamed(QStringLiteral("乙"))[0].at.y(), 2466.45 + 396.9 * 3, 1e-6);

  const RecordingDevice empty = printed(sampleCard(QString()));
  EXPECT_EQ(empty.texts.size(), 1 + 3 + 4);  // title, particulars, column captions
}

TEST(InfusionCardPrint, MarginsAndLandscapeMoveTheWholeCard) {
  const RecordingDevice base = printed(sampleCard(QStringLiteral("甲")));
  const struct {
    const char* left;
    const char* top;
    bool portrait;
    double dx, dy;
  } cases[] = {{"10", "10", true, 283.5, 283.5}, {"5", "5", false, 145 * 56.7, 0}, {"", "", true, -283.5, -283.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.left) + "/" + c.top);
    const RecordingDevice moved = printed(sampleCard(QStringLiteral("甲")), c.left, c.top, c.portrait);
    EXPECT_EQ(moved.pages[0], c.portrait ? printing::Orientation::Portrait : printing::Orientation::Landscape);
    ASSERT_EQ(moved.texts.size(), base.texts.size());
    for (int i = 0; i < base.texts.size(); ++i) {
      EXPECT_NEAR(moved.texts[i].at.x() - base.texts[i].at.x(), c.dx, 1e-6);
      EXPECT_NEAR(moved.texts[i].at.y() - base.texts[i].at.y(), c.dy, 1e-6);
    }
  }
}

// The card keeps its layout on a page too short for it, and tells from which line with
// text the rest did not reach the paper; lines that fit, and empty lines that fall off,
// are never reported.
TEST(InfusionCardPrint, SaysFromWhichLineTheCardRanOffThePage) {
  QStringList lines;
  for (int n = 1; n <= 25; ++n) lines.append(QStringLiteral("第%1行 0.9%氯化钠注射液 250ml").arg(n));
  const QString twentyFive = lines.join(QStringLiteral("\r\n"));
  const QString twentyAndEmpty = lines.mid(0, 20).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n\r\n   ");
  const double mm = 56.7;
  const struct {
    const char* what;
    QString lines;
    bool portrait;
    const char* top;
    QSizeF printable;  // portrait, twips
    std::optional<int> firstOff;
  } cases[] = {
      {"portrait A4: all 25 fit", twentyFive, true, "5", {210 * mm, 297 * mm}, std::nullopt},
      // A landscape printable area 193 mm high: line 21 (190.5 mm) is cut in half.
      {"landscape, line 21 cut", twentyFive, false, "5", {193 * mm, 287 * mm}, 21},
      {"landscape, 199 mm: 22 ends at 197.5 + its height", twentyFive, false, "5", {199 * mm, 287 * mm}, 22},
      {"a top margin moves the cut up", twentyFive, false, "20", {193 * mm, 287 * mm}, 19},
      {"only empty and blank lines fall off", twentyAndEmpty, false, "5", {193 * mm, 287 * mm}, std::nullopt},
      {"no card lines", QString(), false, "5", {100 * mm, 100 * mm}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingDevice device;
    device.printable = c.printable;
    printing::PrintSurface surface(device);
    const std::optional<int> firstOff =
        printing::printInfusionCard(surface, sampleCard(c.lines), testing_support::sheetSettings("5", c.top, c.portrait));
    EXPECT_EQ(surface.endDoc(), printing::PrintOutcome::Printed);
    EXPECT_EQ(firstOff, c.firstOff);
    // The layout is kept: one page, every line at its row, past the page or not.
    EXPECT_EQ(device.pages.size(), 1);
    if (!c.lines.isEmpty()) {
      const auto last = device.textsNamed(c.lines.split(QStringLiteral("\r\n"))[19]);
      ASSERT_EQ(last.size(), 1);
      EXPECT_NEAR(last[0].at.y(), (43.5 + 7 * 20 + (std::string(c.top) == "20" ? 15 : 0)) * mm, 1e-6);
    }
  }
  EXPECT_EQ(printing::infusionCardCutMessage(21), QStringLiteral("输液注射卡从第21行起超出纸张，没有完整打印出来！"));
}

}  // namespace
