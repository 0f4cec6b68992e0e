// The Chinese translation of Qt's own texts, so that dialog buttons read 确定, 取消, 是, 否.
#pragma once

#include <QString>

class QCoreApplication;

namespace ui {

// Makes Chinese (China) the program's locale, whatever the environment names, and loads
// qtbase_zh_CN from `folder` (Qt's translations folder when empty) onto the application.
// False when the file cannot be loaded: that is logged, and Qt's texts stay in English.
bool installChineseTranslation(QCoreApplication& app, const QString& folder = QString());

}  // namespace ui
