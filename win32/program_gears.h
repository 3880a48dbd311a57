// The gears the program holds: the current gear, the one last confirmed in the data dialog,
// which every view, file and report shows.
#pragma once

#include "gear/gear_value.h"

extern Gear currentGear;
