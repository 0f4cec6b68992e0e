// Reads a written .xls file back with python3-xlrd, a reader this program does not share
// any code with, and hands over what it saw.
#pragma once

#include <QJsonObject>
#include <QString>

namespace testing_support {

// {"ok": true, "sheets": [{"name", "rows": [[{"type": "text"|"number"|"empty",
// "value", "format", "bold", "points"}]], "heights": {row: points},
// "widths": {column: width units}}]} or {"ok": false, "error": ...}.
QJsonObject xlrdReadBack(const QString& path);

// The system's python3, for which python3-xlrd is installed whatever else is on PATH.
QString systemPython();

}  // namespace testing_support
