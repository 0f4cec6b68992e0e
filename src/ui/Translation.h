// The Chinese translation of Qt's own texts, so that dialog buttons read 确定, 取消, 是, 否.
#pragma once

class QCoreApplication;

namespace ui {

// Loads qtbase_zh_CN from Qt's translations folder and installs it on the application.
// False when the file is missing (the buttons then stay in English).
bool installChineseTranslation(QCoreApplication& app);

}  // namespace ui
