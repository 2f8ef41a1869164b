#include "common/ProgrammEnde.h"

bool ProgrammEnde = false;
