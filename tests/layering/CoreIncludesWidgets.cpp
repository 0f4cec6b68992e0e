// Built as a file of the core, this must not compile: the core has no widgets.
#include "text/Blank.h"
#include <QWidget>
