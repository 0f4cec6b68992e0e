// Built as a file of the core, this must not compile: printers belong to the windows.
#include "text/Blank.h"
#include <QtPrintSupport/QPrinter>
