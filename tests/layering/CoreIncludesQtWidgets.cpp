// Built as a file of the core, this must not compile: the module's folder spelled out
// does not bring widgets in either.
#include "text/Blank.h"
#include <QtWidgets/QWidget>
