// The printed log on the recording surface: pages of 14 visits, the frame and captions
// at their places, no job for no visits, a job that fails part-way dropped whole.
#include "clinical/service/OutpatientLogPrint.h"
#include "printing/service/PrintJob.h"
#include "printing/service/RecordingDevice.h"

#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using printing::RecordingDevice;

constexpr double kMm = printing::kTwipsPerMillimetre;

clinical::LogPrintInput visits(int count, const QString& left = QStringLiteral("10"),
                               const QString& top = QStringLiteral("10")) {
  clinical::LogPrintInput input{left, top, QStringLiteral("王医生"), {}};
  for (int i = 1; i <= count; ++i)
    input.records.push_back({QStringLiteral("患者%1").arg(i), QStringLiteral("女"), QStringLiteral("8岁"),
                             QStringLiteral("咳嗽"), QStringLiteral("东街%1号").arg(i), QStringLiteral("2024-03-05")});
  return input;
}

printing::PrintOutcome print(RecordingDevice& device, const clinical::LogPrintInput& input,
                             testing_support::ScriptedDialogs* shown = nullptr) {
  testing_support::ScriptedDialogs dialogs;
  const auto outcome = printing::runPrint(device, shown ? *shown : dialogs,
                                          [&](printing::PrintSurface& s) { clinical::printOutpatientLog(s, input); });
  return outcome;
}

TEST(OutpatientLogPrint, FourteenVisitsToAPage) {
  const struct {
    int visits;
    int pages;
    int onLastPage;
  } cases[] = {{1, 1, 1}, {14, 1, 14}, {15, 2, 1}, {28, 2, 14}, {29, 3, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.visits);
    RecordingDevice device;
    ASSERT_EQ(print(device, visits(c.visits)), printing::PrintOutcome::Printed);
    ASSERT_EQ(device.pages.size(), c.pages);
    EXPECT_EQ(device.pages.back(), printing::Orientation::Landscape);
    const auto last = device.textsNamed(QStringLiteral("第 %1 页").arg(c.pages));
    ASSERT_EQ(last.size(), 1);
    EXPECT_EQ(last[0].page, c.pages - 1);
    int names = 0;
    for (const auto& t : device.texts)
      if (t.page == c.pages - 1 && t.text.startsWith(QStringLiteral("患者"))) ++names;
    EXPECT_EQ(names, c.onLastPage);
    // The last visit stands on its page's row, counted from 28 mm in steps of 10 mm
    // (the default margins put the layout's y 0 at the printable area's top).
    const auto lastVisit = device.textsNamed(QStringLiteral("患者%1").arg(c.visits));
    ASSERT_EQ(lastVisit.size(), 1);
    EXPECT_NEAR(lastVisit[0].at.y(), (28 + 10 * (c.onLastPage - 1)) * kMm, 1);
  }
}

TEST(OutpatientLogPrint, NoVisitsNoJob) {
  RecordingDevice device;
  EXPECT_EQ(print(device, visits(0)), printing::PrintOutcome::NothingDrawn);
  EXPECT_EQ(device.jobsBegun, 0);
  EXPECT_TRUE(device.texts.isEmpty());
}

TEST(OutpatientLogPrint, CaptionsFrameAndValuesAtTheirPlaces) {
  RecordingDevice device;
  ASSERT_EQ(print(device, visits(1, QStringLiteral("15"), QStringLiteral("20"))), printing::PrintOutcome::Printed);
  // Left 15, top 20: layout (x, y) lands at x + 15 mm, y + 10 mm.
  auto expectAt = [&](const QString& text, double x, double y, double points, bool bold) {
    const auto found = device.textsNamed(text);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    EXPECT_NEAR(found[0].at.x(), (x + 15) * kMm, 1) << text.toStdString();
    EXPECT_NEAR(found[0].at.y(), (y + 10) * kMm, 1) << text.toStdString();
    EXPECT_EQ(found[0].size, points) << text.toStdString();
    EXPECT_EQ(found[0].bold, bold) << text.toStdString();
    EXPECT_EQ(found[0].face, QStringLiteral("宋体"));
  };
  expectAt(QStringLiteral("门 诊 日 志 登 记 本"), 90, 0, 26, true);
  expectAt(QStringLiteral("姓    名"), 2, 18, 11, false);
  expectAt(QStringLiteral("性别"), 26, 18, 11, false);
  expectAt(QStringLiteral("年龄"), 36, 18, 11, false);
  expectAt(QStringLiteral("诊             断"), 55, 18, 11, false);
  expectAt(QStringLiteral("住       址\\电      话"), 110, 18, 11, false);
  expectAt(QStringLiteral("就诊日期"), 180, 18, 11, false);
  expectAt(QStringLiteral("备    注"), 215, 18, 11, false);
  expectAt(QStringLiteral("医师：王医生"), 0, 166, 11, false);
  expectAt(QStringLiteral("第 1 页"), 240, 166, 11, false);
  expectAt(QStringLiteral("患者1"), 2, 28, 11, false);
  expectAt(QStringLiteral("女"), 27, 28, 11, false);
  expectAt(QStringLiteral("8岁"), 37, 28, 11, false);
  expectAt(QStringLiteral("咳嗽"), 50, 28, 11, false);
  expectAt(QStringLiteral("东街1号"), 102, 28, 11, false);
  expectAt(QStringLiteral("2024-03-05"), 172, 28, 11, false);

  // 2 title rules, 16 rows, 8 columns; the grid's left rule 15 mm in, its top 25 mm down.
  EXPECT_EQ(device.lines.size(), 2 + 16 + 8);
  double left = 1e9, top = 1e9;
  for (const auto& l : device.lines) {
    if (l.from.y() == l.to.y() && l.from.x() < 20 * kMm) top = std::min(top, l.from.y());
    if (l.from.x() == l.to.x()) left = std::min(left, l.from.x());
  }
  EXPECT_NEAR(left, 15 * kMm, 1);
  EXPECT_NEAR(top, 25 * kMm, 1);
}

TEST(OutpatientLogPrint, MarginThatIsNoNumberCountsAsZero) {
  RecordingDevice device;
  ASSERT_EQ(print(device, visits(1, QStringLiteral("左"), QStringLiteral("x5"))), printing::PrintOutcome::Printed);
  const auto name = device.textsNamed(QStringLiteral("患者1"));
  ASSERT_EQ(name.size(), 1);
  EXPECT_NEAR(name[0].at.x(), 2 * kMm, 1);
  EXPECT_NEAR(name[0].at.y(), 18 * kMm, 1);
}

// A printer that stops answering when the second page is started.
class FailingOnSecondPage : public RecordingDevice {
 public:
  bool newPage(printing::Orientation orientation) override {
    RecordingDevice::newPage(orientation);
    return false;
  }
};

TEST(OutpatientLogPrint, PrinterFailingAfterTheFirstPageWithdrawsTheJob) {
  FailingOnSecondPage device;
  testing_support::ScriptedDialogs dialogs;
  EXPECT_NE(print(device, visits(20), &dialogs), printing::PrintOutcome::Printed);
  EXPECT_EQ(device.jobsAborted, 1);
  EXPECT_EQ(device.jobsEnded, 0);
  EXPECT_EQ(dialogs.messages.size(), 1);
}

}  // namespace
