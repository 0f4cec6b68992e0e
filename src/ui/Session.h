// What every window is given: the start-up state, the one way to show messages and open
// web pages (Dialogs), the window registry, the settings cache, and the way to end the
// program.
#pragma once

#include "platform/Dialogs.h"
#include "settings/Settings.h"
#include "startup/AppState.h"
#include "startup/SharedServices.h"
#include "ui/InputTarget.h"
#include "ui/WindowRegistry.h"

#include <QStringList>

#include <functional>

namespace ui {

class Session {
 public:
  // `defaultPrinter` is asked for the default printer's name when it is first needed.
  Session(const startup::AppState& state, platform::Dialogs& dialogs, std::function<QString()> defaultPrinter = {})
      : state(state),
        dialogs(dialogs),
        services(state, std::move(defaultPrinter)),
        settings(state, [this] { return services.defaultPrinterName(); }) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // What start-up found; fixed for the life of the process.
  const startup::AppState& state;
  // Message boxes, questions, file dialogs and web pages: never a bare QMessageBox.
  platform::Dialogs& dialogs;
  WindowRegistry windows;
  // Serial numbers, the stroke coder, the default printer.
  startup::SharedServices services;
  // The text box the stroke pad types into, and its input kind.
  PadTarget padTarget;
  // The settings every window reads; the settings window is its view.
  settings::Settings settings;
  // Ends the process at once; windows still open get no closing handling of their own.
  std::function<void()> endProcess;
  // The names of the installed printers, in the order the system lists them.
  std::function<QStringList()> installedPrinters;
};

}  // namespace ui
