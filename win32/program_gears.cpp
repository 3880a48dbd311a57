#include "win32/program_gears.h"

Gear currentGear;
