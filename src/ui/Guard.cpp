#include "ui/Guard.h"

#include "store/DataFile.h"

namespace ui {

void showFailure(platform::Dialogs& dialogs, const QString& what, const QString& reason) {
  dialogs.message(reason.isEmpty() ? what : what + QStringLiteral("：") + reason);
}

void showFailure(platform::Dialogs& dialogs, const QString& what, const std::exception& error) {
  showFailure(dialogs, what, store::failureReason(error));
}

bool runGuarded(platform::Dialogs& dialogs, const QString& failure, const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    showFailure(dialogs, failure, e);
  } catch (...) {
    showFailure(dialogs, failure, QStringLiteral("未知错误"));
  }
  return false;
}

}  // namespace ui
