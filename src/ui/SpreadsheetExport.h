// The export of a list window: the Save-As dialog, the file name made to end in ".xls",
// a question before an existing file is replaced, the busy cursor while the file is
// written, and "文件导出成功！" only once it is written (else "文件导出失败：" and why).
#pragma once

#include "platform/Dialogs.h"
#include "spreadsheet/Workbook.h"

#include <QString>

#include <functional>

class QLineEdit;

namespace ui {

// Asks where to export. The chosen name goes into the window's path box; the result is
// the file to write, or empty when the user cancelled or kept an existing file.
QString chooseExportPath(platform::Dialogs& dialogs, QLineEdit* pathBox);

// Writes the workbook that `make` builds to `path` under the busy cursor and tells the
// user how it went. Returns true when the file was written.
bool writeExport(platform::Dialogs& dialogs, const QString& path, const std::function<spreadsheet::Workbook()>& make);

}  // namespace ui
