// How a gear is cut and what kind it is: by the rack (the default) or by a pinion-type
// shaper cutter of z0 teeth and shift x0; an external gear or a ring (internal gear, always
// shaper-cut) with its rim. The check of a gear by its cutter. No platform types.
#pragma once

#include "gear/gear_parameters.h"
#include "gear/gear_problem.h"
#include "gear/shaper_cutting.h"

enum CutterKind { kRackCutter, kShaperCutter };

struct GearCut {
    CutterKind cutter;
    bool internal;           // a ring: its teeth point inward, its body lies outside
    int cutterTeeth;         // z0 of a shaper cutter
    double cutterShiftCoef;  // x0
    double rimDiameter;      // a ring's outer diameter, drawing units; 0: the root plus 4 m
};

// The rack, cutting an external gear: what the program has always done.
GearCut RackCut();

// A shaper cutter of 25 teeth, unshifted, cutting a gear of the given kind.
GearCut DefaultShaperCut(bool internal);

// The cutter's data as the shaper's profile and checks take them, the rim resolved.
ShaperSetup ShaperSetupOf(const GearParameters& p, const GearCut& cut);

// The ring's rim: the given diameter, or the root diameter plus 4 m.
double RimDiameterOf(const GearParameters& p, const GearCut& cut);

// Whether gear p, cut as cut says, lies where its profile, drawings and files are sound;
// otherwise the field at fault, the rule and the limit.
ParameterProblem CheckGear(const GearParameters& p, const GearCut& cut);
