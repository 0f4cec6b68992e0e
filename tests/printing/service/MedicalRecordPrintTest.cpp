// The medical record on the recording device. With both margins 5 mm in portrait the
// page origin is the printable area's corner, so the recorded twips are the layout's.
#include "printing/service/MedicalRecordPrint.h"
#include "printing/service/RecordingDevice.h"

#include "support/DesignedSheet.h"

#include <gtest/gtest.h>

namespace {

using printing::RecordingDevice;
using printing::RecordSheet;

constexpr double kBase = 1920;
double rowTop(int row) { return kBase + 113.4 + 396.9 * row; }

RecordingDevice printed(const RecordSheet& sheet) {
  RecordingDevice device;
  printing::PrintSurface surface(device);
  printing::printMedicalRecord(surface, sheet);
  EXPECT_EQ(surface.endDoc(), printing::PrintOutcome::Printed);
  return device;
}

void expectAt(const RecordingDevice& device, const QString& text, int page, double x, double y) {
  const auto found = device.textsNamed(text);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  EXPECT_EQ(found[0].page, page) << text.toStdString();
  EXPECT_NEAR(found[0].at.x(), x, 0.5) << text.toStdString();
  EXPECT_NEAR(found[0].at.y(), y, 0.5) << text.toStdString();
}

TEST(MedicalRecordPrint, FirstPageHeaderRulesSectionsAndFooter) {
  const RecordingDevice device = printed(testing_support::sampleRecordSheet(0));
  ASSERT_EQ(device.pages.size(), 1);
  expectAt(device, QStringLiteral("仁和诊所门诊病历"), 0, 1800, 180);
  EXPECT_TRUE(device.textsNamed(QStringLiteral("仁和诊所门诊病历"))[0].bold);
  expectAt(device, QStringLiteral("姓名：林晓东"), 0, 120, 1200);
  EXPECT_EQ(device.lines.size(), 2 + 21);
  EXPECT_NEAR(device.lines.last().from.y(), kBase + 396.9 * 21, 0.5);
  EXPECT_NEAR(device.lines.last().to.x(), 6780, 0.5);

  expectAt(device, QStringLiteral("主  诉："), 0, 120, rowTop(0));
  expectAt(device, QStringLiteral("发热两天"), 0, 1080, rowTop(0));
  // 现病史: blank lines dropped, three lines kept, the fourth cut.
  expectAt(device, QStringLiteral("现病史："), 0, 120, rowTop(1));
  expectAt(device, QStringLiteral("病一"), 0, 1080, rowTop(1));
  expectAt(device, QStringLiteral("病三"), 0, 1080, rowTop(3));
  EXPECT_TRUE(device.textsNamed(QStringLiteral("病四")).isEmpty());
  expectAt(device, QStringLiteral("体  检："), 0, 120, rowTop(7));
  expectAt(device, QStringLiteral("上呼吸道感染"), 0, 1080, rowTop(11));
  expectAt(device, QStringLiteral("处  理："), 0, 120, rowTop(12));
  expectAt(device, QStringLiteral("医师：王医生"), 0, 120, kBase + 396.9 * 22 - 340.2);
  expectAt(device, QStringLiteral("第 1 页"), 0, 6000, kBase + 396.9 * 22 - 340.2);
}

TEST(MedicalRecordPrint, TreatmentRunsOnToContinuationPages) {
  const struct {
    int lines, pages;
    int lastPage;
    double lastRowTop;
  } cases[] = {{9, 1, 0, rowTop(20)}, {10, 2, 1, rowTop(1)}, {29, 2, 1, rowTop(20)}, {30, 3, 2, rowTop(1)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    const RecordingDevice device = printed(testing_support::sampleRecordSheet(c.lines));
    EXPECT_EQ(device.pages.size(), c.pages);
    expectAt(device, QStringLiteral("处方1"), 0, 1080, rowTop(12));
    expectAt(device, QStringLiteral("处方%1").arg(c.lines), c.lastPage, 1080, c.lastRowTop);
    EXPECT_DOUBLE_EQ(device.textsNamed(QStringLiteral("处方%1").arg(c.lines))[0].size, 10.5);
    expectAt(device, QStringLiteral("第 %1 页").arg(c.pages), c.pages - 1, 6000, kBase + 396.9 * 22 - 340.2);
    // Every page repeats the header.
    EXPECT_EQ(device.textsNamed(QStringLiteral("姓名：林晓东")).size(), c.pages);
  }
}

TEST(MedicalRecordPrint, MarginsAndOrientationSetTheOrigin) {
  const struct {
    bool portrait;
    const char* left;
    const char* top;
    double dx, dy;  // where the layout's origin lands on the printable area
  } cases[] = {
      {true, "15", "10", (15 - 5) * 56.7, (10 - 5) * 56.7},
      {false, "0", "10", 7938, (10 - 5) * 56.7},
      {false, "10mm", "x", 7938 + 567, -283.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left);
    RecordSheet sheet = testing_support::sampleRecordSheet(1);
    sheet.portrait = c.portrait;
    sheet.leftMargin = QString::fromLatin1(c.left);
    sheet.topMargin = QString::fromLatin1(c.top);
    RecordingDevice device;
    printing::PrintSurface surface(device);
    // An earlier print's settings must not carry over.
    surface.setScaleMode(printing::ScaleMode::Millimetres);
    surface.setOrientation(c.portrait ? printing::Orientation::Landscape : printing::Orientation::Portrait);
    surface.setFontBold(true);
    printing::printMedicalRecord(surface, sheet);
    surface.endDoc();
    ASSERT_EQ(device.pages.size(), 1);
    EXPECT_EQ(device.pages[0], c.portrait ? printing::Orientation::Portrait : printing::Orientation::Landscape);
    const auto complaint = device.textsNamed(QStringLiteral("主  诉："));
    ASSERT_EQ(complaint.size(), 1);
    EXPECT_NEAR(complaint[0].at.x(), 120 + c.dx, 0.5);
    EXPECT_NEAR(complaint[0].at.y(), rowTop(0) + c.dy, 0.5);
    EXPECT_FALSE(complaint[0].bold);
  }
}

}  // namespace
