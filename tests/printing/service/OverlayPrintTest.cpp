// The overlay print and the template window's preview on the recording device: texts at
// their items' positions, in units of 40.824 twips.
#include "printing/service/OverlayPrint.h"
#include "printing/service/RecordingDevice.h"

#include "support/DesignedSheet.h"

#include <gtest/gtest.h>

namespace {

using printing::OverlayRecord;
using printing::OverlayTemplate;
using printing::RecordingDevice;
constexpr double kUnit = 40.824;

RecordingDevice printed(const OverlayRecord& record, const OverlayTemplate& overlay) {
  RecordingDevice device;
  printing::PrintSurface surface(device);
  printing::printOverlay(surface, record, overlay, testing_support::sheetSettings("10", "10"));
  surface.endDoc();
  return device;
}

void expectAt(const RecordingDevice& device, const QString& text, double x, double y) {
  const auto found = device.textsNamed(text);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  EXPECT_NEAR(found[0].at.x(), x * kUnit, 1e-6) << text.toStdString();
  EXPECT_NEAR(found[0].at.y(), y * kUnit, 1e-6) << text.toStdString();
}

TEST(OverlayPrint, FieldsDateAndSexTickAtTheirItems) {
  OverlayTemplate overlay = testing_support::shippedOverlayTemplate();
  overlay[23].ticked = overlay[22].ticked = true;
  overlay[11].ticked = true;  // the phone field, whose panel the sheet hides
  const OverlayRecord record = testing_support::overlayRecordOf(testing_support::designedSheet(false));
  const RecordingDevice device = printed(record, overlay);
  EXPECT_EQ(device.pages.size(), 1);

  expectAt(device, QStringLiteral("林晓东"), 10, 20);
  expectAt(device, QStringLiteral("13800001234"), 0, 0);
  expectAt(device, QStringLiteral("2019"), 80, 30);
  expectAt(device, QStringLiteral("07"), 95, 30);
  expectAt(device, QStringLiteral("15"), 105, 30);
  expectAt(device, QStringLiteral("√"), 60, 20);  // 男: item 23 only
  EXPECT_TRUE(device.textsNamed(QStringLiteral("2019-07-15")).isEmpty());  // item 5 unticked
  EXPECT_TRUE(device.textsNamed(QStringLiteral("1234567")).isEmpty());     // item 12 unticked
  const auto name = device.textsNamed(QStringLiteral("林晓东"));
  EXPECT_DOUBLE_EQ(name[0].size, 12);
  EXPECT_EQ(name[0].face, QStringLiteral("宋体"));
}

TEST(OverlayPrint, SexTicksAndDateParts) {
  const struct {
    const char* sex;
    const char* date;
    double tickX;  // 0: no tick
    const char *year, *month, *day;
  } cases[] = {
      {"女", "2019-07-15", 70, "2019", "07", "15"},
      {"", " 2019-7-5 ", 0, "2019", "7-", "-5"},
      {"男 ", "2019-07-15", 0, "2019", "07", "15"},
  };
  OverlayTemplate overlay = testing_support::shippedOverlayTemplate();
  overlay[23].ticked = overlay[22].ticked = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sex);
    OverlayRecord record = testing_support::overlayRecordOf(testing_support::designedSheet(false));
    record.fields[1] = QString::fromUtf8(c.sex);
    record.fields[5] = QString::fromUtf8(c.date);
    record.fields[2].clear();
    const RecordingDevice device = printed(record, overlay);
    const auto ticks = device.textsNamed(QStringLiteral("√"));
    if (c.tickX == 0) {
      EXPECT_TRUE(ticks.isEmpty());
    } else {
      ASSERT_EQ(ticks.size(), 1);
      EXPECT_NEAR(ticks[0].at.x(), c.tickX * kUnit, 1e-6);
    }
    expectAt(device, QString::fromLatin1(c.year), 80, 30);
    expectAt(device, QString::fromLatin1(c.month), 95, 30);
    expectAt(device, QString::fromLatin1(c.day), 105, 30);
  }
}

TEST(OverlayPrint, TheDoseLineOnlyForAHerbalPrescription) {
  const OverlayTemplate overlay = testing_support::shippedOverlayTemplate();
  const RecordingDevice herbal = printed(testing_support::overlayRecordOf(testing_support::designedSheet(true)), overlay);
  expectAt(herbal, QStringLiteral("共 7 剂 水煎服，每日一剂"), 10, 160);

  OverlayRecord western = testing_support::overlayRecordOf(testing_support::designedSheet(false));
  western.doseCount = QStringLiteral("7");  // the hidden box keeps its default
  const RecordingDevice device = printed(western, overlay);
  for (const RecordingDevice::Text& t : device.texts) EXPECT_FALSE(t.text.startsWith(QStringLiteral("共 "))) << t.text.toStdString();
}

TEST(OverlayPrint, WithEveryItemUntickedOnlyTheBodyIsPrintedFromItem18) {
  OverlayTemplate overlay = testing_support::shippedOverlayTemplate();
  for (auto& item : overlay) item.ticked = false;
  for (const bool herbal : {false, true}) {
    SCOPED_TRACE(herbal);
    const OverlayRecord record = testing_support::overlayRecordOf(testing_support::designedSheet(herbal));
    const QStringList lines = printing::sheetBodyLines(record.body);
    const RecordingDevice device = printed(record, overlay);
    ASSERT_EQ(device.texts.size(), lines.size());
    printing::RecordingDevice scratch;
    printing::PrintSurface measure(scratch);
    measure.setFontSize(12);
    const double gap = herbal ? 220 : 120;
    for (int i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(device.texts[i].text, lines[i]);
      EXPECT_NEAR(device.texts[i].at.x(), 20 * kUnit, 1e-6);
      EXPECT_NEAR(device.texts[i].at.y(), 60 * kUnit + gap + i * (measure.textHeight() + gap), 1e-6);
    }
  }
}

TEST(OverlayPreview, DrawsTheSampleWithTheSexOnScreenAndTheBodyAlways) {
  OverlayTemplate overlay = testing_support::shippedOverlayTemplate();
  overlay[23].ticked = overlay[22].ticked = true;
  overlay[18].ticked = false;
  overlay[0] = {true, QString(), QString()};  // empty boxes: the top-left corner
  for (const char* sex : {"男", "女", ""}) {
    SCOPED_TRACE(sex);
    RecordingDevice device;
    printing::PrintSurface surface(device);
    printing::PrintSettings settings = testing_support::sheetSettings("10", "10");
    settings.bodySize = QStringLiteral("0");
    printing::drawOverlayPreview(surface, overlay, QString::fromUtf8(sex), QStringLiteral("水煎服"), settings,
                                 QStringLiteral("Sans"));
    surface.endDoc();

    expectAt(device, printing::kPreviewSample[0], 0, 0);
    expectAt(device, QStringLiteral("2019"), 80, 30);
    expectAt(device, QStringLiteral("共 7 剂 水煎服"), 10, 160);
    EXPECT_DOUBLE_EQ(device.textsNamed(QStringLiteral("2019"))[0].size, 10);
    const auto ticks = device.textsNamed(QStringLiteral("√"));
    if (QString::fromUtf8(sex).isEmpty()) {
      EXPECT_TRUE(ticks.isEmpty());
    } else {
      ASSERT_EQ(ticks.size(), 1);
      EXPECT_NEAR(ticks[0].at.x(), (QString::fromUtf8(sex) == QStringLiteral("男") ? 60 : 70) * kUnit, 1e-6);
    }
    const auto drug = device.textsNamed(QStringLiteral("阿奇霉素分散片; 0.25; g×12粒"));
    ASSERT_EQ(drug.size(), 1);
    EXPECT_NEAR(drug[0].at.y(), 60 * kUnit, 1e-6);
    EXPECT_DOUBLE_EQ(drug[0].size, 12);
    expectAt(device, QStringLiteral("    用法：2粒 每日3次 口服"), 20, 60 + 350 / kUnit);
  }
}

}  // namespace
