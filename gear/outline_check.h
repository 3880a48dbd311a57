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

// The part of that check which holds for any flank, a ring's too: the tip and gap arcs of the
// walked outline sweep less than a pitch and its neighbouring points print apart.
ParameterProblem CheckWalkedOutline(const GearParameters& p, const GearGeometry& geometry,
                                    const ToothProfile& profile);

// The least module at which every two neighbouring points of that outline print apart,
// rounded up to three significant digits, from a profile computed at p.module; HUGE_VAL
// when no module parts them.
double LeastPrintableModule(const GearParameters& p, const GearGeometry& geometry,
                            const ToothProfile& profile);
