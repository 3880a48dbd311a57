// Whether a set of gear parameters lies inside the domain where the profile generator,
// the drawings and the script are sound, and if not, which field is wrong and why.
// No platform types.
#pragma once

#include "gear/gear_limits.h"
#include "gear/gear_parameters.h"
#include "gear/gear_problem.h"

ParameterProblem CheckGearParameters(const GearParameters& p);

// The first part of that check: each field on its own, whatever cuts the gear.
ParameterProblem CheckGearFields(const GearParameters& p);
