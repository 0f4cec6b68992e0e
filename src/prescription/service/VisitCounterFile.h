// "Kqtz.ini": one line with the number of today's prescription records, which the other
// workstations poll to ring their bell.
#pragma once

#include <QString>

namespace prescription {

// The file's bytes for a count: a blank, the digits, a blank, CR LF (" 12 \r\n").
QByteArray visitCounterLine(int count);

// Rewrites the file whole through a temporary file in the same folder and a rename, so
// a workstation polling it never reads an empty or half-written count. False when the
// folder cannot be written; the file then keeps what it held.
bool writeVisitCounter(const QString& path, int count);

}  // namespace prescription
