// The export of a list window to an .xls file, with the window around it: the chosen
// name shown in the window's path box, and the busy cursor while the file is written.
// The dialog and file rules themselves are spreadsheet/ExportFile's.
#pragma once

#include "platform/Dialogs.h"
#include "spreadsheet/Workbook.h"

#include <QString>

#include <functional>

class QLineEdit;

namespace ui {

// Asks where to export. The chosen name goes into `pathBox` (when given); the result is
// the file to write, or empty when the user cancelled or kept an existing file.
QString chooseExportPath(platform::Dialogs& dialogs, QLineEdit* pathBox);

// Writes the workbook and says "文件导出成功！", or "文件导出失败" with the reason.
bool saveExport(platform::Dialogs& dialogs, const spreadsheet::Workbook& workbook, const QString& path);

// Writes what `make` builds to `path` under the busy cursor and tells the user how it
// went. `make` may throw std::exception, whose message is reported as the failure.
bool writeExport(platform::Dialogs& dialogs, const QString& path, const std::function<spreadsheet::Workbook()>& make);

}  // namespace ui
