// The export rules every list window follows: the Save-As dialog "另存为" for
// "Excel文件 (*.xls)", ".xls" added only when the name lacks it, an existing file replaced
// only when the user says so, success said only once the file is written.
#pragma once

#include "platform/Dialogs.h"
#include "spreadsheet/Workbook.h"

#include <QString>

namespace spreadsheet {

inline const QString kExportDone = QStringLiteral("文件导出成功！");

// The file to export to: the dialog's name with ".xls" when it does not end in it (any
// case). Empty when the user cancelled or would not replace an existing file.
QString chooseExportPath(platform::Dialogs& dialogs);

// Writes the workbook and says "文件导出成功！", or "文件导出失败：" and the reason.
bool saveExport(platform::Dialogs& dialogs, const Workbook& workbook, const QString& path);

}  // namespace spreadsheet
