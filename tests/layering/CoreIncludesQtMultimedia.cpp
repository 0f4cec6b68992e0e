// Built as a file of the core, this must not compile: sound belongs to the window kit.
#include "text/Blank.h"
#include <QtMultimedia/QSoundEffect>
