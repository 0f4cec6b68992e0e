// Handlers that must not end the program: a failure inside becomes one "提示" message.
#pragma once

#include "platform/Dialogs.h"

#include <functional>

namespace ui {

// Runs the handler; an exception it throws is shown as `failure` followed by the reason,
// titled "提示". Returns false when the handler failed.
bool runGuarded(platform::Dialogs& dialogs, const QString& failure, const std::function<void()>& handler);

}  // namespace ui
