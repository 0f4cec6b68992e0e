// Built as a file of the window kit, this must not compile: the kit does not see the
// window areas, so it cannot come to depend on them.
#include "ui/Controls.h"
#include "shell/MainWindow.h"
