// The half-tooth profile of a gear cut by a pinion-type shaper cutter, an external gear or a
// ring, in the layout of the rack-cut profile: points 0..nF the fillet from the root circle
// to where it meets the involute, points nF+1..nF+nI the involute to the tip circle. The
// tooth stands on the +y axis (a ring's points toward the centre, its root circle outside)
// and the stored flank is its left one, on the negative-x side. Evaluators give any point of
// the fillet and the involute, and its derivative, at a roll angle of the cutting mesh.
// No platform types.
//
// Does not: check the data (CheckShaperCut does).
#pragma once

#include "gear/shaper_cutting.h"
#include "gear/tooth_profile.h"

// A point of a flank and its derivative with respect to the roll angle.
struct CurvePoint {
    ModelPoint point;
    ModelPoint derivative;
};

// The fillet at roll angle roll: the curve parallel, at rho m, to the epitrochoid (a ring:
// hypotrochoid) of the cutter rounding's centre, where the rounding touches the gear.
CurvePoint ShaperFilletAt(const ShaperCutting& c, double roll);

// The involute at roll angle roll: where the cutter's involute flank touches the gear's, on
// the line of action. Both branches: below the transition of an undercut tooth it runs
// back to the base circle.
CurvePoint ShaperInvoluteAt(const ShaperCutting& c, double roll);

// Computes geometry (all but drawnToothCount; a ring's tip radius is its inner one) and
// points 0..nF+nI for p cut as setup says. Entries above nF+nI are left as they were;
// division counts that do not fit the arrays write no point.
void ComputeShaperProfileOf(const GearParameters& p, const ShaperSetup& setup,
                            GearGeometry* geometry, ToothProfile* profile);
