// The two curves a rack cutter leaves on the left flank of the tooth on the +y axis, as
// plane curves for the arc fitter, each with its exact tangent: the fillet, traced by the
// cutter's tip rounding, and the involute, traced by its straight flank. Also where
// undercut makes the fillet cross the involute. No platform types.
#pragma once

#include "gear/plane_curve.h"
#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"

// The gear and its generating motion; the curves below point to it.
struct RackFlank {
    GearParameters p;
    double alpha;  // pressure angle, radians, with the profile's pi
    GeneratingMotion g;
    // Where the involute begins, as the fillet reaches it (the involute's formula puts it
    // a rounding away): the two curves share the point exactly.
    double joinTheta;
    ModelPoint join;
};

RackFlank RackFlankOf(const GearParameters& p);

// The fillet from roll angle `from` down to `to` (it is cut as the roll angle falls, root
// first): parameter t = -theta.
PlaneCurve FilletCurve(const RackFlank& flank, double from, double to);

// The involute from roll angle flank.joinTheta, where it starts at flank.join, up to `to`,
// on its branch that rises from the base circle: parameter t = theta.
PlaneCurve InvoluteCurve(const RackFlank& flank, double to);

// Where the fillet of an undercut tooth crosses the involute: the fillet's and the
// involute's roll angles there, and the point, found to the last bit as the form diameter
// is (UndercutFormDiameter): twice the point's radius is that diameter.
struct UndercutCrossing {
    double filletTheta;
    double involuteTheta;
    ModelPoint point;
};

// False when the fillet does not leave the involute at the transition, or never cuts back
// into it on the way to the root.
bool FindUndercutCrossing(const RackFlank& flank, UndercutCrossing* crossing);
