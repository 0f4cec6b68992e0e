// Printing a full prescription sheet to a PDF file: the whole print from the first text
// to the finished file, on a sheet with every field filled and a long body.
#include "printing/service/PainterDevice.h"
#include "printing/service/PrintJob.h"
#include "printing/service/SheetPrint.h"

#include "support/DesignedSheet.h"
#include "support/ScriptedDialogs.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void SheetToPdf(benchmark::State& state) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("处方.pdf"));
  printing::SheetSnapshot sheet = testing_support::designedSheet(false);
  QStringList body;
  for (int i = 0; i < 12; ++i)
    body << QStringLiteral("0.9%氯化钠注射液[100]  100ml×1 注射用头孢曲松钠 1.0g×2 皮试阴性后使用，注意观察过敏反应")
         << QStringLiteral("    用法：静脉滴注  每日1次×3天");
  sheet.body.text = body.join(QStringLiteral("\r\n"));
  const printing::PrintSettings settings = testing_support::sheetSettings("10", "10");
  testing_support::ScriptedDialogs dialogs;
  for (auto _ : state) {
    printing::PdfDevice device(pdf);
    const auto outcome = printing::runPrint(device, dialogs, [&](printing::PrintSurface& surface) {
      printing::printSheet(surface, sheet, settings);
    });
    if (outcome != printing::PrintOutcome::Printed) state.SkipWithError("the PDF was not written");
  }
}
BENCHMARK(SheetToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
