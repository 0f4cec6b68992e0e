#include "ui/Guard.h"

#include "store/DataFile.h"

#include <exception>

namespace ui {

bool runGuarded(platform::Dialogs& dialogs, const QString& failure, const std::function<void()>& handler) {
  QString reason;
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    reason = store::failureReason(e);
  } catch (...) {
    reason = QStringLiteral("未知错误");
  }
  dialogs.message(reason.isEmpty() ? failure : failure + QStringLiteral("：") + reason);
  return false;
}

}  // namespace ui
