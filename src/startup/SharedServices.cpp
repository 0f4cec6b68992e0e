#include "startup/SharedServices.h"

namespace startup {

SharedServices::SharedServices(const AppState& state, std::function<QString()> defaultPrinter)
    : strokes_(state.strokeCodeTable),
      askDefaultPrinter_(std::move(defaultPrinter)),
      markupRatio_(state.markupRatio) {}

const QString& SharedServices::defaultPrinterName() {
  if (!defaultPrinter_) defaultPrinter_ = askDefaultPrinter_ ? askDefaultPrinter_() : QString();
  return *defaultPrinter_;
}

}  // namespace startup
