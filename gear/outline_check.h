// Whether the profile the core computed, and the outline the script draws from it, make a
// sound tooth: the closed-form rules cannot see a flank that spirals, runs past the tip or
// cuts through the tooth, nor arcs that a CAD program would draw the wrong way round.
// No platform types.
#pragma once

#include "gear/gear_parameters.h"
#include "gear/gear_problem.h"
#include "gear/printed_precision.h"
#include "gear/tooth_profile.h"
#include "gear/tooth_rotation.h"

// Checks points 0..nF+nI of profile, computed for p (whose fields the closed-form rules
// have accepted), and the tip and gap arcs the script writes between them.
ParameterProblem CheckGeneratedOutline(const GearParameters& p, const GearGeometry& geometry,
                                       const ToothProfile& profile);

// The same for a ring's profile, computed for p: its circles the other way round (the root
// circle outside, the involute falling from it to the tip circle inside), then the same
// walk of the arcs and points. geometry's tip radius is the ring's inner circle.
ParameterProblem CheckRingOutline(const GearParameters& p, const GearGeometry& geometry,
                                  const ToothProfile& profile);

// The least module at which every two neighbouring points of that outline print apart,
// rounded up to three significant digits, from a profile computed at p.module; HUGE_VAL
// when no module parts them.
double LeastPrintableModule(const GearParameters& p, const GearGeometry& geometry,
                            const ToothProfile& profile);
