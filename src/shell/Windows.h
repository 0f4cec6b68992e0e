// The program's windows, made known to the window registry by name.
#pragma once

#include "ui/Session.h"

namespace shell {

// Defines every window that this build carries and points the settings cache at the
// settings window, so that reading a setting while it is closed loads it hidden.
void defineWindows(ui::Session& session);

}  // namespace shell
