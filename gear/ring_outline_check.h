// Whether the profile computed for a ring makes a sound tooth: the rules of the external
// gear's outline check with the circles the other way round (the root circle outside, the
// involute falling from it to the tip circle inside), then the same walk of the arcs and
// points. No platform types.
#pragma once

#include "gear/parameter_check.h"
#include "gear/tooth_profile.h"

// Checks points 0..nF+nI of a ring's profile, computed for p, and the outline through them.
// geometry's tip radius is the ring's inner circle, its root radius the outer one.
ParameterProblem CheckRingOutline(const GearParameters& p, const GearGeometry& geometry,
                                  const ToothProfile& profile);
