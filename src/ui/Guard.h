// One way every window tells a failure: "<what>：<reason>" in one "提示" message, the
// reason in Chinese from the store's wording (never the library's own text).
#pragma once

#include "platform/Dialogs.h"

#include <exception>
#include <functional>

namespace ui {

// Shows `what` followed by the reason ("<what>：<reason>"); `what` alone when there is none.
void showFailure(platform::Dialogs& dialogs, const QString& what, const QString& reason);

// The same for a caught failure; its reason is worded by store::failureReason.
void showFailure(platform::Dialogs& dialogs, const QString& what, const std::exception& error);

// Runs the handler; an exception it throws is shown through showFailure. Returns false
// when the handler failed.
bool runGuarded(platform::Dialogs& dialogs, const QString& failure, const std::function<void()>& handler);

}  // namespace ui
