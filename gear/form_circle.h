// Where the involute of an undercut tooth begins: the circle on which the cut of the
// cutter's tip rounding crosses the involute. No platform types.
#pragma once

#include "gear/gear_parameters.h"

// The form diameter dFf of an undercut gear p (accepted by CheckGearParameters); the base
// diameter when the rounding's cut never reaches the involute.
double UndercutFormDiameter(const GearParameters& p, double pressureAngleRad);
