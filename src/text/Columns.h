// Display columns: the 13-column cells of the herbal layout.
#pragma once

#include <QString>

namespace text {

// s left-aligned in 13 display columns (a double-byte character counts 2): blanks up to
// 13 columns, and a single blank when s is wider than 12, so one blank always follows.
QString PadRight13(const QString& s);

}  // namespace text
