#include "ui/Guard.h"

#include <exception>

namespace ui {

bool runGuarded(platform::Dialogs& dialogs, const QString& failure, const std::function<void()>& handler) {
  QString reason;
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    reason = QString::fromUtf8(e.what());
  } catch (...) {
    reason = QStringLiteral("未知错误");
  }
  dialogs.message(reason.isEmpty() ? failure : failure + QStringLiteral("：") + reason);
  return false;
}

}  // namespace ui
