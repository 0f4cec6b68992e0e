#include "printing/PrinterDevice.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace printing {
QString systemDefaultPrinter() { return QPrinterInfo::defaultPrinterName(); }

PrinterDevice::PrinterDevice(PrinterLookup lookup) : lookup_(std::move(lookup)) {}

PrinterDevice::~PrinterDevice() {
  if (painter_.isActive()) painter_.end();
}

QPaintDevice* PrinterDevice::open(Orientation orientation) {
  const QString name = lookup_ ? lookup_() : QString();
  if (name.isEmpty()) return nullptr;
  const QPrinterInfo info = QPrinterInfo::printerInfo(name);
  if (info.isNull()) return nullptr;
  printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer_->setDocName(QStringLiteral("Tavorin"));
  // The page's origin is the printable area's top-left corner, as the prints expect.
  printer_->setFullPage(false);
  printer_->setPageOrientation(pageOrientation(orientation));
  if (!printer_->isValid()) return nullptr;
  return printer_.get();
}

bool PrinterDevice::turnPage(Orientation orientation) {
  printer_->setPageOrientation(pageOrientation(orientation));
  return printer_->newPage();
}

bool PrinterDevice::finish() { return printer_ && printer_->printerState() != QPrinter::Error; }

void PrinterDevice::discard() {
  if (printer_) printer_->abort();
}

}  // namespace printing
