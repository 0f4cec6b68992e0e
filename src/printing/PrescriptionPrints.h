// The prescription window's print commands: the sheet (打印), the infusion card
// (打印输液卡), the sticky-label button and the overlay print (套打), each onto the
// system's default printer with the settings of the moment.
#pragma once

#include "printing/PrinterDevice.h"
#include "printing/service/InfusionCardPrint.h"
#include "printing/service/OverlayPrint.h"
#include "printing/service/SheetPrint.h"
#include "ui/Session.h"

#include <functional>
#include <memory>

namespace printing {

class PrescriptionPrints {
 public:
  using DeviceFactory = std::function<std::unique_ptr<PrintDevice>()>;

  // Prints go to the printer that `lookup` names (the system's default by default).
  explicit PrescriptionPrints(ui::Session& session, PrinterLookup lookup = systemDefaultPrinter);
  // Prints go to the devices that `devices` makes, one per print.
  PrescriptionPrints(ui::Session& session, DeviceFactory devices);

  // The sheet. The fields of hidden panels come back hidden in `sheet`, for the window to
  // hide on the screen too.
  PrintOutcome printSheet(SheetSnapshot& sheet);
  // The infusion card; after it is printed, says from which line it ran off the paper.
  PrintOutcome printInfusionCard(const InfusionCard& card);
  // The sticky-label button: only a message.
  void showLabelPrintMessage();
  // The overlay print at the template window's positions; the template window is loaded
  // hidden when it is not open. A template that could not be read prints nothing.
  PrintOutcome overlayPrint(const OverlayRecord& record);

 private:
  PrintOutcome run(const std::function<void(PrintSurface&)>& draw);

  ui::Session& session_;
  DeviceFactory devices_;
};

}  // namespace printing
