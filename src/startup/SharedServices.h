// The services every window shares for the life of the process: the source of this
// workstation's keys and numbers, the stroke coder over the stroke table start-up read,
// and the default printer's name, asked for when it is first needed (asking contacts the
// print server, which must not hold up the start).
#pragma once

#include "startup/AppState.h"
#include "text/Serials.h"
#include "text/StrokeCode.h"

#include <functional>
#include <optional>

namespace startup {

class SharedServices {
 public:
  // `defaultPrinter` gives the system's default printer's name, "" when there is none.
  SharedServices(const AppState& state, std::function<QString()> defaultPrinter);
  SharedServices(const SharedServices&) = delete;
  SharedServices& operator=(const SharedServices&) = delete;

  // Issues record numbers, template and receipt keys and prescription numbers, none equal
  // to or earlier than the one before it.
  text::SerialSource& serials() { return serials_; }
  // Stroke codes without scanning the table; an empty table gives empty codes.
  const text::StrokeCoder& strokes() const { return strokes_; }
  // The default printer's name, asked for once, on the first call.
  const QString& defaultPrinterName();
  // Selling price = purchase price x ratio: the catalogue window sets it from its ratio
  // box and the goods receipt shows it. It starts at the start-up value and is never saved.
  double markupRatio() const { return markupRatio_; }
  void setMarkupRatio(double ratio) { markupRatio_ = ratio; }

 private:
  text::SerialSource serials_;
  text::StrokeCoder strokes_;
  std::function<QString()> askDefaultPrinter_;
  std::optional<QString> defaultPrinter_;
  double markupRatio_;
};

}  // namespace startup
