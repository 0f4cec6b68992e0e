// The system's default printer as a print device. The default printer is looked up when
// a job begins, through a look-up that tests replace: no printer, or one that cannot
// start the document, makes the job fail before anything is sent.
#pragma once

#include "printing/service/PainterDevice.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;

namespace printing {

// The name of the printer to print on; empty when there is none.
using PrinterLookup = std::function<QString()>;

// The system's default printer (CUPS here), empty when none is set up.
QString systemDefaultPrinter();

class PrinterDevice : public PainterDevice {
 public:
  explicit PrinterDevice(PrinterLookup lookup);
  ~PrinterDevice() override;

 protected:
  QPaintDevice* open(Orientation orientation) override;
  bool turnPage(Orientation orientation) override;
  bool finish() override;
  void discard() override;

 private:
  PrinterLookup lookup_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace printing
