// Built as a file of the store, this must not compile: the store knows no area, it
// returns its own row types.
#include "store/Database.h"
#include "prescription/service/PrescriptionState.h"
