// The print surface over the recording device: units, the current position, when a job
// starts, and what a refusing printer leaves behind.
#include "printing/service/PrintJob.h"
#include "printing/service/PrintSurface.h"
#include "printing/service/RecordingDevice.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

using printing::Orientation;
using printing::PrintOutcome;
using printing::PrintSurface;
using printing::RecordingDevice;
using printing::ScaleMode;
using printing::Then;

TEST(PrintSurface, StartsEveryDocumentFresh) {
  RecordingDevice device;
  PrintSurface surface(device);
  surface.setOrientation(Orientation::Landscape);
  surface.setScaleMode(ScaleMode::Millimetres);
  surface.setScaleLeft(-140);
  surface.setFontName(QStringLiteral("黑体"));
  surface.setFontBold(true);
  surface.setDrawWidth(3);
  surface.print(QStringLiteral("第一份"));
  ASSERT_EQ(surface.endDoc(), PrintOutcome::Printed);

  surface.print(QStringLiteral("第二份"));
  EXPECT_EQ(surface.endDoc(), PrintOutcome::Printed);
  ASSERT_EQ(device.pages, (QList<Orientation>{Orientation::Landscape, Orientation::Portrait}));
  const RecordingDevice::Text second = device.texts.last();
  EXPECT_EQ(second.at, QPointF(0, 0));
  EXPECT_EQ(second.face, QStringLiteral("宋体"));
  EXPECT_FALSE(second.bold);
  EXPECT_EQ(surface.scaleMode(), ScaleMode::Twips);
  EXPECT_EQ(surface.drawWidth(), 1);
}

TEST(PrintSurface, BeginsTheJobOnlyAtTheFirstDrawing) {
  RecordingDevice device;
  PrintSurface surface(device);
  surface.setCurrentY(500);
  surface.print(QString());  // an empty text moves the position but draws nothing
  surface.newPage();
  EXPECT_EQ(device.jobsBegun, 0);
  EXPECT_EQ(surface.endDoc(), PrintOutcome::NothingDrawn);
  EXPECT_EQ(device.jobsEnded, 0);

  surface.line(0, 0, 100, 0);
  EXPECT_EQ(device.jobsBegun, 1);
}

TEST(PrintSurface, PlacesPositionsFromTheScaleOriginInTwipsOrMillimetres) {
  RecordingDevice device;
  PrintSurface surface(device);
  surface.setScaleLeft(567 - 850.5);  // a 15 mm margin against a 10 mm origin
  surface.setScaleTop(-100);
  surface.setCurrentX(1000);
  surface.setCurrentY(200);
  surface.print(QStringLiteral("甲"));

  surface.setScaleMode(ScaleMode::Millimetres);
  surface.setScaleLeft(5 - 10);
  surface.setScaleTop(5 - 5);
  surface.setDrawWidth(2);
  surface.line(0, 42, 120, 42);

  ASSERT_EQ(device.texts.size(), 1);
  EXPECT_DOUBLE_EQ(device.texts[0].at.x(), 1000 - 567 + 850.5);
  EXPECT_DOUBLE_EQ(device.texts[0].at.y(), 300);
  ASSERT_EQ(device.lines.size(), 1);
  EXPECT_NEAR(device.lines[0].from.x(), 5 * 56.7, 1e-9);
  EXPECT_NEAR(device.lines[0].from.y(), 42 * 56.7, 1e-9);
  EXPECT_NEAR(device.lines[0].to.x(), 125 * 56.7, 1e-9);
  EXPECT_EQ(device.lines[0].width, 2);
}

TEST(PrintSurface, EndsTheLineOrStaysOnIt) {
  RecordingDevice device;
  PrintSurface surface(device);
  surface.setFontSize(12);
  surface.setScaleLeft(-300);
  surface.setCurrentX(1000);
  surface.setCurrentY(2000);
  const double height = surface.textHeight();
  EXPECT_GT(height, 12 * 20 * 0.9);  // about one em of 12 points, in twips
  EXPECT_LT(height, 12 * 20 * 1.6);

  surface.print(QStringLiteral("黄芪"), Then::StayOnLine);
  EXPECT_DOUBLE_EQ(surface.currentY(), 2000);
  EXPECT_NEAR(surface.currentX(), 1000 + 2 * 240, 1);  // two 12-point characters
  surface.print(QStringLiteral("30g"));
  EXPECT_DOUBLE_EQ(surface.currentX(), -300);  // the printable area's left edge
  EXPECT_DOUBLE_EQ(surface.currentY(), 2000 + height);

  surface.setScaleMode(ScaleMode::Millimetres);
  EXPECT_NEAR(surface.textHeight(), height / 56.7, 1e-9);
}

TEST(PrintSurface, StartsANewPageOnlyWhenSomethingFollows) {
  RecordingDevice device;
  PrintSurface surface(device);
  surface.print(QStringLiteral("第 1 页"));
  surface.newPage();
  surface.setOrientation(Orientation::Landscape);
  surface.print(QStringLiteral("第 2 页"));
  surface.newPage();  // nothing after it: no empty third page
  EXPECT_EQ(surface.endDoc(), PrintOutcome::Printed);
  EXPECT_EQ(device.pages, (QList<Orientation>{Orientation::Portrait, Orientation::Landscape}));
  ASSERT_EQ(device.texts.size(), 2);
  EXPECT_EQ(device.texts[1].page, 1);
}

TEST(PrintJob, SaysOnceThatThereIsNoPrinterAndPrintsNothing) {
  RecordingDevice refusing(/*canBegin=*/false);
  testing_support::ScriptedDialogs dialogs;
  const PrintOutcome outcome = printing::runPrint(refusing, dialogs, [](PrintSurface& surface) {
    surface.print(QStringLiteral("处方"));
    surface.line(0, 0, 100, 100);
    surface.newPage();
    surface.print(QStringLiteral("第二页"));
  });
  EXPECT_EQ(outcome, PrintOutcome::Failed);
  EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("没有可用的打印机")});
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("提示"));
  EXPECT_TRUE(refusing.texts.isEmpty());
  EXPECT_TRUE(refusing.lines.isEmpty());
}

TEST(PrintJob, DropsAJobWhoseDrawingFailsHalfWay) {
  RecordingDevice device;
  testing_support::ScriptedDialogs dialogs;
  const PrintOutcome outcome = printing::runPrint(device, dialogs, [](PrintSurface& surface) {
    surface.print(QStringLiteral("上半页"));
    throw std::runtime_error("模板缺行");
  });
  EXPECT_EQ(outcome, PrintOutcome::Failed);
  EXPECT_EQ(device.jobsAborted, 1);
  EXPECT_EQ(device.jobsEnded, 0);
  EXPECT_TRUE(device.texts.isEmpty());
  ASSERT_EQ(dialogs.messages.size(), 1);
}

TEST(PrintJob, AnEmptyPrintSendsNothingAndSaysNothing) {
  RecordingDevice refusing(false);
  testing_support::ScriptedDialogs dialogs;
  EXPECT_EQ(printing::runPrint(refusing, dialogs, [](PrintSurface&) {}), PrintOutcome::NothingDrawn);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
