// Built as a file of start-up, this must not compile: the settings cache is built on
// start-up's state, not the other way round.
#include "startup/AppState.h"
#include "settings/Settings.h"
