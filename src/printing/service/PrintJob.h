// One print from start to end: the print draws on a fresh surface over the device, the
// document is ended, and a print that could not reach the paper is said once. A print
// that fails half-way is dropped whole, so no half-printed page comes out.
#pragma once

#include "platform/Dialogs.h"
#include "printing/service/PrintSurface.h"

#include <functional>

namespace printing {

inline const QString kNoPrinterMessage = QStringLiteral("没有可用的打印机");

// Runs `draw` on a surface over `device` and ends the document. When the device cannot
// begin or finish, shows "没有可用的打印机"; when `draw` throws, drops the job and shows
// why. Returns how the document ended.
PrintOutcome runPrint(PrintDevice& device, platform::Dialogs& dialogs, const std::function<void(PrintSurface&)>& draw);

}  // namespace printing
