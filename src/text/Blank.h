// Blank handling: only the ASCII blank counts, as in stored and typed values.
#pragma once

#include <QString>

namespace text {

// Removes ASCII blanks (' ') at both ends; tabs, line breaks and full-width blanks stay.
QString trimBlanks(const QString& s);

}  // namespace text
