// The outpatient log as a spreadsheet: the title in D1, the captions in row 2, one visit
// per row from row 3. Every value is a text cell, so dates and telephone numbers stay
// as written.
#pragma once

#include "clinical/service/OutpatientLog.h"
#include "spreadsheet/Workbook.h"

#include <vector>

namespace clinical {

spreadsheet::Workbook outpatientLogWorkbook(const std::vector<LogRecord>& records);

}  // namespace clinical
