// Each print through the PDF device, read back with pdftotext -bbox and pdffonts: the
// texts where the recording puts them (within a point), the page's orientation, the
// design fonts embedded.
#include "clinical/service/OutpatientLogPrint.h"
#include "printing/service/InfusionCardPrint.h"
#include "printing/service/MedicalRecordPrint.h"
#include "printing/service/OverlayPrint.h"
#include "printing/service/PainterDevice.h"
#include "printing/service/PrintJob.h"
#include "printing/service/SheetPrint.h"

#include "support/DesignedSheet.h"
#include "support/PdfReadBack.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using testing_support::expectEmbedded;
using testing_support::expectWordAt;
using testing_support::PdfPage;

// Each PDF can be kept for a look as an image (testing_support::keepPrintCopy).
PdfPage print(const QString& name, const std::function<void(printing::PrintSurface&)>& draw) {
  testing_support::TempFolder folder;
  const QString pdf = folder.sub(name + QStringLiteral(".pdf"));
  printing::PdfDevice device(pdf);
  testing_support::ScriptedDialogs dialogs;
  EXPECT_EQ(printing::runPrint(device, dialogs, draw), printing::PrintOutcome::Printed);
  EXPECT_TRUE(dialogs.messages.isEmpty());
  testing_support::keepPrintCopy(pdf, name);
  return testing_support::readBackPdf(pdf);
}

TEST(PdfPrint, SheetInPortraitAndLandscape) {
  for (const bool portrait : {true, false}) {
    SCOPED_TRACE(portrait ? "portrait" : "landscape");
    printing::SheetSnapshot sheet = testing_support::designedSheet(false);
    const PdfPage page = print(portrait ? QStringLiteral("sheet-portrait") : QStringLiteral("sheet-landscape"),
                               [&](printing::PrintSurface& surface) {
      printing::printSheet(surface, sheet, testing_support::sheetSettings("10", "10", portrait));
    });
    const double shift = portrait ? 0 : 8221.5;
    if (portrait) {
      EXPECT_NEAR(page.width, 595.3, 1);
      EXPECT_NEAR(page.height, 841.9, 1);
    } else {
      EXPECT_NEAR(page.width, 841.9, 1);
      EXPECT_NEAR(page.height, 595.3, 1);
    }
    expectWordAt(page, QStringLiteral("处"), 2808 + shift, 648);
    expectWordAt(page, QStringLiteral("诊断：上呼吸道感染").left(3), (60 + 120) * 1.2 + shift, (60 + 1620) * 1.2);
    expectWordAt(page, QStringLiteral("阿莫西林胶囊"), 1380 * 1.2 + shift, 2400 * 1.2 + 120);
    EXPECT_EQ(page.find(QStringLiteral("13800001234")), nullptr);
    expectEmbedded(page, QStringLiteral("UMing"));
    expectEmbedded(page, QStringLiteral("ZenHei"));
  }
}

TEST(PdfPrint, InfusionCard) {
  const PdfPage page = print(QStringLiteral("card"), [](printing::PrintSurface& surface) {
    printing::printInfusionCard(
        surface,
        {QStringLiteral("2019-07-15"), QStringLiteral("林晓东"), QStringLiteral("男"), QStringLiteral("25岁"),
         QStringLiteral("上呼吸道感染"), QStringLiteral("0.9%氯化钠注射液\r\n    用法：静脉滴注\r\n")},
        testing_support::sheetSettings("5", "5"));
  });
  EXPECT_LT(page.width, page.height);
  expectWordAt(page, QStringLiteral("输液注射卡"), 50 * 56.7, 8 * 56.7);
  expectWordAt(page, QStringLiteral("滴速"), 72 * 56.7, 43.5 * 56.7);
  expectWordAt(page, QStringLiteral("0.9%氯化钠注射液"), 1 * 56.7, 50.5 * 56.7);
  expectWordAt(page, QStringLiteral("用法：静脉滴注"), 1 * 56.7 + 4 * 110, 57.5 * 56.7);  // after four blanks
  expectEmbedded(page, QStringLiteral("UMing"));
}

// A landscape A4 page is 210 mm high: of 25 card lines, line 23 (top at 204.5 mm) ends on
// it and line 24 starts below its edge; the page says so, and what is on it is printed.
TEST(PdfPrint, InfusionCardRunningOffALandscapePage) {
  QStringList lines;
  for (int n = 1; n <= 25; ++n) lines.append(QStringLiteral("第%1行").arg(n));
  std::optional<int> firstOff;
  const PdfPage page = print(QStringLiteral("card-landscape"), [&](printing::PrintSurface& surface) {
    firstOff = printing::printInfusionCard(surface,
                                           {QString(), QString(), QString(), QString(), QString(),
                                            lines.join(QStringLiteral("\r\n"))},
                                           testing_support::sheetSettings("5", "5", false));
  });
  EXPECT_GT(page.width, page.height);
  EXPECT_EQ(firstOff, 24);
  expectWordAt(page, QStringLiteral("第23行"), 146 * 56.7, 204.5 * 56.7);
}

TEST(PdfPrint, Overlay) {
  const printing::OverlayRecord record = testing_support::overlayRecordOf(testing_support::designedSheet(true));
  const printing::OverlayTemplate overlay = testing_support::shippedOverlayTemplate();
  const PdfPage page = print(QStringLiteral("overlay"), [&](printing::PrintSurface& surface) {
    printing::printOverlay(surface, record, overlay, testing_support::sheetSettings("10", "10"));
  });
  constexpr double u = 40.824;
  expectWordAt(page, QStringLiteral("林晓东"), 10 * u, 20 * u);
  expectWordAt(page, QStringLiteral("2019"), 80 * u, 30 * u);
  expectWordAt(page, QStringLiteral("07"), 95 * u, 30 * u);
  expectWordAt(page, QStringLiteral("黄芪30g"), 20 * u, 60 * u + 220);
  expectEmbedded(page, QStringLiteral("UMing"));
}

TEST(PdfPrint, OutpatientLogOnALandscapePage) {
  clinical::LogPrintInput input{QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("王明"), {}};
  input.records.push_back({QStringLiteral("赵小红"), QStringLiteral("女"), QStringLiteral("8岁"), QStringLiteral("咳嗽"),
                           QStringLiteral("13800000000"), QStringLiteral("2024-03-05")});
  const PdfPage page = print(QStringLiteral("outpatient-log"),
                             [&](printing::PrintSurface& surface) { clinical::printOutpatientLog(surface, input); });
  EXPECT_GT(page.width, page.height);
  // Layout millimetres, the left margin added, the top margin of 10 taking nothing.
  constexpr double mm = printing::kTwipsPerMillimetre;
  expectWordAt(page, QStringLiteral("就诊日期"), 190 * mm, 18 * mm);
  expectWordAt(page, QStringLiteral("赵小红"), 12 * mm, 28 * mm);
  expectWordAt(page, QStringLiteral("13800000000"), 112 * mm, 28 * mm);
  expectWordAt(page, QStringLiteral("2024-03-05"), 182 * mm, 28 * mm);
  expectWordAt(page, QStringLiteral("医师：王明"), 10 * mm, 166 * mm);
  expectEmbedded(page, QStringLiteral("UMing"));
}

TEST(PdfPrint, MedicalRecordRunsOnToASecondPage) {
  const printing::RecordSheet sheet = testing_support::sampleRecordSheet(10);
  const PdfPage page = print(QStringLiteral("medical-record"),
                             [&](printing::PrintSurface& surface) { printing::printMedicalRecord(surface, sheet); });
  // With both margins 5 mm in portrait the layout's twips are the page's.
  EXPECT_EQ(page.pages, 2);
  EXPECT_LT(page.width, page.height);
  const double row0 = 1920 + 113.4;
  const double footer = 1920 + 396.9 * 22 - 340.2;
  expectWordAt(page, QStringLiteral("仁和诊所门诊病历"), 1800, 180);
  expectWordAt(page, QStringLiteral("就诊时间：2024年03月05日14时30分"), 120, 780);
  expectWordAt(page, QStringLiteral("科别：内科"), 5400, 1200);
  expectWordAt(page, QStringLiteral("现病史："), 120, row0 + 396.9);
  expectWordAt(page, QStringLiteral("发热两天"), 1080, row0);
  expectWordAt(page, QStringLiteral("病三"), 1080, row0 + 396.9 * 3);
  EXPECT_EQ(page.find(QStringLiteral("病四")), nullptr);
  expectWordAt(page, QStringLiteral("上呼吸道感染"), 1080, row0 + 396.9 * 11);
  expectWordAt(page, QStringLiteral("处方1"), 1080, row0 + 396.9 * 12);
  expectWordAt(page, QStringLiteral("处方9"), 1080, row0 + 396.9 * 20);
  expectWordAt(page, QStringLiteral("医师：王医生"), 120, footer);
  // The second page repeats the header and carries the tenth line on its row 1.
  expectWordAt(page, QStringLiteral("处方10"), 1080, row0 + 396.9, 1);
  int numbers = 0, headers = 0;
  for (const testing_support::PdfWord& w : page.words) {
    headers += w.text == QStringLiteral("姓名：林晓东");
    if (w.text != QStringLiteral("页")) continue;
    EXPECT_NEAR(w.y, testing_support::pointsOfTwips(footer), 1.0);
    ++numbers;
  }
  EXPECT_EQ(numbers, 2);
  EXPECT_EQ(headers, 2);
  expectEmbedded(page, QStringLiteral("UMing"));
}

TEST(PdfPrint, AFileThatCannotBeWrittenIsSaidAndLeavesNothing) {
  testing_support::TempFolder folder;
  const QString pdf = folder.sub(QStringLiteral("无此目录/打印.pdf"));
  printing::PdfDevice device(pdf);
  testing_support::ScriptedDialogs dialogs;
  const auto outcome = printing::runPrint(device, dialogs, [](printing::PrintSurface& s) { s.print(QStringLiteral("甲")); });
  EXPECT_EQ(outcome, printing::PrintOutcome::Failed);
  EXPECT_EQ(dialogs.texts(), QStringList{printing::kNoPrinterMessage});
  EXPECT_FALSE(QFileInfo::exists(pdf));
}

}  // namespace
