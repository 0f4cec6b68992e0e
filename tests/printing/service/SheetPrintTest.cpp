// The prescription sheet print on the recording device, in twips from the printable
// area's top-left corner.
#include "printing/service/RecordingDevice.h"
#include "printing/service/SheetPrint.h"
#include "text/TextWrap.h"

#include "support/DesignedSheet.h"

#include <gtest/gtest.h>

namespace {

using printing::RecordingDevice;
using printing::SheetSnapshot;
using testing_support::designedSheet;
using testing_support::sheetSettings;

RecordingDevice printed(SheetSnapshot& sheet, const printing::PrintSettings& settings) {
  RecordingDevice device;
  printing::PrintSurface surface(device);
  printing::printSheet(surface, sheet, settings);
  EXPECT_EQ(surface.endDoc(), printing::PrintOutcome::Printed);
  return device;
}

RecordingDevice printed(SheetSnapshot sheet) { return printed(sheet, sheetSettings("10", "10")); }

// The body lines, in the order printed: the texts after the last underline-level element,
// recognised by the body's print font.
QList<RecordingDevice::Text> bodyTexts(const RecordingDevice& device, const QStringList& lines) {
  QList<RecordingDevice::Text> found;
  for (const RecordingDevice::Text& t : device.texts)
    if (lines.contains(t.text)) found.append(t);
  return found;
}

TEST(SheetPrint, ReplaysTheSheetAtOnePointTwoInFontsTwoPointsLarger) {
  const RecordingDevice device = printed(designedSheet(false));
  ASSERT_EQ(device.pages.size(), 1);
  EXPECT_EQ(device.pages[0], printing::Orientation::Portrait);

  const auto title = device.textsNamed(QStringLiteral("处  方  笺"));
  ASSERT_EQ(title.size(), 1);
  EXPECT_NEAR(title[0].at.x(), 2808, 1e-6);
  EXPECT_NEAR(title[0].at.y(), 648, 1e-6);
  EXPECT_EQ(title[0].face, QStringLiteral("黑体"));
  EXPECT_DOUBLE_EQ(title[0].size, 16.25);

  // A field caption and its text: the panel's place added to their own.
  const auto caption = device.textsNamed(QStringLiteral("诊断："));
  ASSERT_EQ(caption.size(), 1);
  EXPECT_NEAR(caption[0].at.x(), (60 + 120) * 1.2, 1e-6);
  EXPECT_NEAR(caption[0].at.y(), (60 + 1620) * 1.2, 1e-6);
  EXPECT_TRUE(caption[0].bold);
  EXPECT_DOUBLE_EQ(caption[0].size, 11);
  const auto diagnosis = device.textsNamed(QStringLiteral("上呼吸道感染"));
  ASSERT_EQ(diagnosis.size(), 1);
  EXPECT_DOUBLE_EQ(diagnosis[0].size, 11.75);

  // The rule above the footer and a box line, with their border widths.
  ASSERT_EQ(device.lines.size(), 5 + 14);
  EXPECT_NEAR(device.lines[0].from.x(), 180 * 1.2, 1e-6);
  EXPECT_NEAR(device.lines[0].to.y(), 7800 * 1.2, 1e-6);
  EXPECT_EQ(device.lines[0].width, 1);
  EXPECT_EQ(device.lines[1].width, 2);
}

TEST(SheetPrint, MarginsAndLandscapeShiftEveryElement) {
  SheetSnapshot sheet = designedSheet(true);
  const RecordingDevice base = printed(sheet, sheetSettings("10", "10"));
  struct Case {
    const char* left;
    const char* top;
    bool portrait;
    double dx, dy;
  };
  const Case cases[] = {
      {"10", "10", false, 8221.5, 0},         // 145 mm further right
      {"15mm", "20", true, 283.5, 567},       // leading numbers of the margins
      {"abc", "", true, -567, -567},          // no number: 0 mm
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.left) + "/" + c.top);
    const RecordingDevice moved = printed(sheet, sheetSettings(c.left, c.top, c.portrait));
    EXPECT_EQ(moved.pages[0], c.portrait ? printing::Orientation::Portrait : printing::Orientation::Landscape);
    ASSERT_EQ(moved.texts.size(), base.texts.size());
    for (int i = 0; i < base.texts.size(); ++i) {
      EXPECT_NEAR(moved.texts[i].at.x() - base.texts[i].at.x(), c.dx, 1e-6) << base.texts[i].text.toStdString();
      EXPECT_NEAR(moved.texts[i].at.y() - base.texts[i].at.y(), c.dy, 1e-6);
    }
    ASSERT_EQ(moved.lines.size(), base.lines.size());
    for (int i = 0; i < base.lines.size(); ++i) EXPECT_NEAR(moved.lines[i].to.x() - base.lines[i].to.x(), c.dx, 1e-6);
  }
}

TEST(SheetPrint, AHiddenPanelPrintsNothingAndItsFieldStaysHidden) {
  SheetSnapshot sheet = designedSheet(false);
  const RecordingDevice device = printed(sheet, sheetSettings("10", "10"));
  for (const QString& hidden : {QStringLiteral("电话："), QStringLiteral("13800001234"), QStringLiteral("病历号："),
                                QStringLiteral("1234567"), QStringLiteral("2019年07月15日")})
    EXPECT_TRUE(device.textsNamed(hidden).isEmpty()) << hidden.toStdString();
  for (int i : {11, 12, 14, 17, 18}) {
    EXPECT_FALSE(sheet.fields[i].caption.visible);
    EXPECT_FALSE(sheet.fields[i].text.visible);
    EXPECT_FALSE(sheet.fields[i].underline.visible);
  }
  EXPECT_TRUE(sheet.fields[0].text.visible);
  // No underline of a hidden panel: fourteen shown panels, fourteen underlines.
  EXPECT_EQ(device.lines.size(), 5 + 14);
}

TEST(SheetPrint, HerbalDoseCountAndUsage) {
  struct Case {
    const char* count;
    const char* printedAs;
    double x;
  };
  const Case cases[] = {{"7", "7", 564}, {"10", "10", 504}, {" 7 ", "7", 564}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    SheetSnapshot sheet = designedSheet(true);
    sheet.doseCount.text = QString::fromLatin1(c.count);
    const RecordingDevice device = printed(sheet);
    const auto dose = device.textsNamed(QString::fromLatin1(c.printedAs));
    ASSERT_EQ(dose.size(), 1);
    EXPECT_NEAR(dose[0].at.x(), c.x, 1e-6);
    EXPECT_NEAR(dose[0].at.y(), 9000, 1e-6);
    EXPECT_DOUBLE_EQ(dose[0].size, 11);
    EXPECT_TRUE(dose[0].bold);
  }
  SheetSnapshot herbal = designedSheet(true);
  const auto usage = printed(herbal).textsNamed(QStringLiteral("水煎服，每日一剂"));
  ASSERT_EQ(usage.size(), 1);
  EXPECT_NEAR(usage[0].at.y(), 7470 * 1.2 + 30, 1e-6);

  // The ordinary layout prints neither.
  const RecordingDevice ordinary = printed(designedSheet(false));
  EXPECT_TRUE(ordinary.textsNamed(QStringLiteral("7")).isEmpty());
  EXPECT_TRUE(ordinary.textsNamed(QStringLiteral("水煎服，每日一剂")).isEmpty());
  EXPECT_TRUE(ordinary.textsNamed(QStringLiteral("共   剂")).isEmpty());
}

TEST(SheetPrint, BodyLinesAreSteppedByTheirHeightAndTheLayoutsGap) {
  for (const bool herbal : {false, true}) {
    SCOPED_TRACE(herbal ? "herbal" : "ordinary");
    SheetSnapshot sheet = designedSheet(herbal);
    const QStringList lines = printing::sheetBodyLines(sheet.body);
    ASSERT_GE(lines.size(), 2);
    const RecordingDevice device = printed(sheet);
    const auto body = bodyTexts(device, lines);
    ASSERT_EQ(body.size(), lines.size());

    printing::RecordingDevice scratch;
    printing::PrintSurface measure(scratch);
    measure.setFontSize(12);
    const double gap = herbal ? 220 : 120;
    EXPECT_NEAR(body[0].at.x(), 1380 * 1.2, 1e-6);
    EXPECT_NEAR(body[0].at.y(), 2400 * 1.2 + gap, 1e-6);
    for (int i = 1; i < body.size(); ++i)
      EXPECT_NEAR(body[i].at.y() - body[i - 1].at.y(), measure.textHeight() + gap, 1e-6);
    EXPECT_EQ(body[0].face, QStringLiteral("宋体"));
    EXPECT_FALSE(body[0].bold);
  }
}

TEST(SheetPrint, BodyIsBrokenAsTheOnScreenBoxBreaksItWithoutBlankLines) {
  SheetSnapshot sheet = designedSheet(false);
  sheet.body.text = QStringLiteral(
      "  0.9%氯化钠注射液[100]  100ml×1 用法：静脉滴注 每日1次×3天，皮试阴性后使用，注意观察过敏反应\r\n"
      "   \r\n\r\n    用法：静脉滴注");
  const QStringList expected = text::WrapTextToLines(sheet.body.text, testing_support::bodyBoxFont(), 4575 / 15.0);
  ASSERT_GE(expected.size(), 3);  // the long line wraps in the box
  EXPECT_TRUE(expected[0].startsWith(QStringLiteral("  0.9%")));  // leading blanks kept
  const RecordingDevice device = printed(sheet);
  const auto body = bodyTexts(device, expected);
  ASSERT_EQ(body.size(), expected.size());
  for (int i = 0; i < body.size(); ++i) EXPECT_EQ(body[i].text, expected[i]);
  // Nothing blank was printed anywhere.
  for (const RecordingDevice::Text& t : device.texts) EXPECT_FALSE(t.text.trimmed().isEmpty());
}

TEST(SheetPrint, BodySizeSetting) {
  const struct {
    const char* setting;
    double size;
  } cases[] = {{"", 14}, {"0", 14}, {"abc", 14}, {"-3", 14}, {"10.5", 10}, {"11.5", 12}, {"16号", 16}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setting);
    SheetSnapshot sheet = designedSheet(false);
    printing::PrintSettings settings = sheetSettings("10", "10");
    settings.bodySize = QString::fromUtf8(c.setting);
    settings.bodyFace = QStringLiteral("黑体");
    const RecordingDevice device = printed(sheet, settings);
    const auto body = bodyTexts(device, printing::sheetBodyLines(sheet.body));
    ASSERT_FALSE(body.isEmpty());
    EXPECT_DOUBLE_EQ(body[0].size, c.size);
    EXPECT_EQ(body[0].face, QStringLiteral("黑体"));
  }
}

TEST(SheetPrint, AnEmptyBodyStillPrintsTheHeaderOnOnePage) {
  SheetSnapshot sheet = designedSheet(false);
  sheet.body.text.clear();
  const RecordingDevice device = printed(sheet);
  EXPECT_EQ(device.pages.size(), 1);
  EXPECT_EQ(device.jobsEnded, 1);
  EXPECT_EQ(device.textsNamed(QStringLiteral("处  方  笺")).size(), 1);
}

}  // namespace
