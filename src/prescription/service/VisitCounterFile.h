// "Kqtz.ini": one line with the number of today's prescription records, which the other
// workstations poll to ring their bell.
#pragma once

#include <QString>

namespace prescription {

// The file's bytes for a count: a blank, the digits, a blank, CR LF (" 12 \r\n").
QByteArray visitCounterLine(int count);

// Rewrites the file whole through a temporary file in the same folder and a rename, so
// a workstation polling it never reads an empty or half-written count. Returns why the
// file could not be rewritten, in the words the user is shown, or an empty text when it
// was; a file that could not be rewritten keeps what it held.
QString writeVisitCounter(const QString& path, int count);

// What the user is told after a save whose counter file could not be rewritten: the
// prescription is stored, but the other workstations' bell will not ring for it.
QString counterNotWrittenMessage(const QString& path, const QString& reason);

}  // namespace prescription
