#include "printing/PrescriptionPrints.h"

#include "printing/OverlayTemplateWindow.h"
#include "printing/service/PrintJob.h"
#include "ui/Guard.h"

namespace printing {

PrescriptionPrints::PrescriptionPrints(ui::Session& session, PrinterLookup lookup)
    : PrescriptionPrints(session, [lookup = std::move(lookup)]() -> std::unique_ptr<PrintDevice> {
        return std::make_unique<PrinterDevice>(lookup);
      }) {}

PrescriptionPrints::PrescriptionPrints(ui::Session& session, DeviceFactory devices)
    : session_(session), devices_(std::move(devices)) {}

PrintOutcome PrescriptionPrints::run(const std::function<void(PrintSurface&)>& draw) {
  const std::unique_ptr<PrintDevice> device = devices_();
  return runPrint(*device, session_.dialogs, draw);
}

PrintOutcome PrescriptionPrints::printSheet(SheetSnapshot& sheet) {
  const PrintSettings settings = printSettings(session_.settings.values());
  return run([&](PrintSurface& surface) { printing::printSheet(surface, sheet, settings); });
}

PrintOutcome PrescriptionPrints::printInfusionCard(const InfusionCard& card) {
  const PrintSettings settings = printSettings(session_.settings.values());
  std::optional<int> firstLineOff;
  const PrintOutcome outcome =
      run([&](PrintSurface& surface) { firstLineOff = printing::printInfusionCard(surface, card, settings); });
  // The card keeps its one page; the nurse learns which lines are missing from it.
  if (outcome == PrintOutcome::Printed && firstLineOff) session_.dialogs.message(infusionCardCutMessage(*firstLineOff));
  return outcome;
}

void PrescriptionPrints::showLabelPrintMessage() { session_.dialogs.message(kLabelPrintMessage); }

PrintOutcome PrescriptionPrints::overlayPrint(const OverlayRecord& record) {
  const bool wasLoaded = session_.windows.isLoaded(QString::fromLatin1(OverlayTemplateWindow::kName));
  auto& templateWindow = session_.windows.get<OverlayTemplateWindow>();
  const std::optional<OverlayTemplate> overlay = templateWindow.overlayTemplate();
  if (!overlay) {
    // Loading the window has just said so; an open window is asked again.
    if (wasLoaded) ui::showFailure(session_.dialogs, kOverlayUnreadable, templateWindow.readFailure());
    return PrintOutcome::Failed;
  }
  const PrintSettings settings = printSettings(session_.settings.values());
  return run([&](PrintSurface& surface) { printOverlay(surface, record, *overlay, settings); });
}

}  // namespace printing
