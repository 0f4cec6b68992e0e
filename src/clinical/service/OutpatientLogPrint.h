// The printed outpatient log: landscape pages ruled as a log book, 14 visits to a page,
// each page closed by the physician's name and its page number. Positions are
// millimetres from the margins the user typed.
#pragma once

#include "clinical/service/OutpatientLog.h"
#include "printing/service/PrintSurface.h"

#include <vector>

namespace clinical {

inline constexpr int kLogRowsPerPage = 14;

struct LogPrintInput {
  QString leftMargin;  // millimetres as typed; the leading number counts, else 0
  QString topMargin;
  QString physician;   // printed after "医师：" on every page
  std::vector<LogRecord> records;
};

// Draws every record onto the surface. Draws nothing for no records, so that no job is
// started. Throws when the surface fails part-way, so that the job is dropped whole.
void printOutpatientLog(printing::PrintSurface& surface, const LogPrintInput& input);

}  // namespace clinical
