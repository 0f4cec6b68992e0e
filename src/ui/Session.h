// What every window is given: the start-up state, the one way to show messages and open
// web pages (Dialogs), the window registry, the settings cache, and the way to end the
// program.
#pragma once

#include "platform/Dialogs.h"
#include "settings/Settings.h"
#include "startup/AppState.h"
#include "ui/WindowRegistry.h"

#include <QStringList>

#include <functional>

namespace ui {

class Session {
 public:
  Session(startup::AppState& state, platform::Dialogs& dialogs) : state(state), dialogs(dialogs), settings(state) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  startup::AppState& state;
  // Message boxes, questions, file dialogs and web pages: never a bare QMessageBox.
  platform::Dialogs& dialogs;
  WindowRegistry windows;
  // The settings every window reads; the settings window is its view.
  settings::Settings settings;
  // Ends the process at once; windows still open get no closing handling of their own.
  std::function<void()> endProcess;
  // The names of the installed printers, in the order the system lists them.
  std::function<QStringList()> installedPrinters;
};

}  // namespace ui
