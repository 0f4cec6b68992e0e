// The export rules every list window follows: the Save-As dialog "另存为" for
// "Excel文件 (*.xls)", ".xls" added only when the name lacks it, an existing file replaced
// only when the user says so, success said only once the file is written.
#pragma once

#include "platform/Dialogs.h"

#include <QString>

namespace spreadsheet {

inline const QString kExportDone = QStringLiteral("文件导出成功！");
inline const QString kExportFailed = QStringLiteral("文件导出失败");

// What the Save-As dialog settled: the name as chosen (blanks trimmed; some windows show
// it in their path box even when nothing is written) and the file to write, which is
// empty when the user cancelled or would not replace an existing file.
struct ExportChoice {
  QString chosen;
  QString path;
};
ExportChoice askExportFile(platform::Dialogs& dialogs);

// The file to export to, as `askExportFile` settles it.
QString chooseExportPath(platform::Dialogs& dialogs);

}  // namespace spreadsheet
