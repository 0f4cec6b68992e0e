#include "printing/service/PrintJob.h"

#include "store/DataFile.h"

#include <exception>

namespace printing {

PrintOutcome runPrint(PrintDevice& device, platform::Dialogs& dialogs, const std::function<void(PrintSurface&)>& draw) {
  PrintSurface surface(device);
  try {
    draw(surface);
  } catch (const std::exception& e) {
    surface.abortDoc();
    dialogs.message(QStringLiteral("打印未完成：%1").arg(store::failureReason(e)));
    return PrintOutcome::Failed;
  }
  const PrintOutcome outcome = surface.endDoc();
  if (outcome == PrintOutcome::Failed) dialogs.message(kNoPrinterMessage);
  return outcome;
}

}  // namespace printing
