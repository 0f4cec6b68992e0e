// What every window is given: the start-up state, the one way to show messages and open
// web pages (Dialogs), the window registry, and the way to end the program.
#pragma once

#include "platform/Dialogs.h"
#include "startup/AppState.h"
#include "ui/WindowRegistry.h"

#include <functional>

namespace ui {

class Session {
 public:
  Session(startup::AppState& state, platform::Dialogs& dialogs) : state(state), dialogs(dialogs) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  startup::AppState& state;
  // Message boxes, questions, file dialogs and web pages: never a bare QMessageBox.
  platform::Dialogs& dialogs;
  WindowRegistry windows;
  // Ends the process at once; windows still open get no closing handling of their own.
  std::function<void()> endProcess;
};

}  // namespace ui
