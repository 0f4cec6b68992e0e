#include "spreadsheet/ExportFile.h"

#include "text/Blank.h"

#include <QFileInfo>

namespace spreadsheet {

ExportChoice askExportFile(platform::Dialogs& dialogs) {
  ExportChoice choice;
  choice.chosen =
      text::trimBlanks(dialogs.saveFileName(QStringLiteral("另存为"), QStringLiteral("Excel文件 (*.xls)")));
  if (choice.chosen.isEmpty()) return choice;
  QString path = choice.chosen;
  if (!path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) path += QStringLiteral(".xls");
  if (QFileInfo::exists(path) &&
      dialogs.ask(QStringLiteral("文件已存在，是否替换？"), platform::kPromptTitle, platform::Dialogs::Buttons::YesNo) !=
          platform::Dialogs::Answer::Yes)
    return choice;
  choice.path = path;
  return choice;
}

QString chooseExportPath(platform::Dialogs& dialogs) { return askExportFile(dialogs).path; }

}  // namespace spreadsheet
