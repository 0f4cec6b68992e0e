// Built as a file of the store, this must not compile: the window kit stands above the core.
#include "store/Database.h"
#include "ui/Twips.h"
