// The left flank of the tooth on the +y axis, root to tip, as tangent-continuous circular
// arcs within a tolerance of the exact fillet and involute: far closer to the true tooth,
// and in far fewer pieces, than the chords between division points. The flank bounds the
// material the cutter leaves: with undercut the fillet runs up to its crossing with the
// involute, and the involute goes on from that corner to the tip. No platform types.
//
// Does not: add the tip and gap arcs (they are exact circles already), turn or mirror the
// flank into the other teeth, or write any file.
#pragma once

#include "gear/fitted_arc.h"
#include "gear/gear_parameters.h"
#include "gear/plane_curve.h"
#include "gear/shaper_cutting.h"

// Room for the flank of any gear the parameter check accepts, at the least tolerance: a
// spread of 600 such gears, odd ones included, needed at most 633 arcs.
const int kFittedFlankCapacity = 2048;

struct FittedFlank {
    FittedArc arc[kFittedFlankCapacity];
    int count;
    int cornerArc;  // the involute's first arc, at the undercut corner; 0 without undercut
};

// The least tolerance, in drawing units, that the fit reaches for gear p in double
// precision: a billionth of the module, more for a tip radius past 8800 modules.
// Both fits refuse a smaller one.
double LeastFitTolerance(const GearParameters& p);

// Fits the flank made of fillet, root to transition, and involute, transition to tip, within
// tolerance: with a corner where they meet (undercut) or along their common tangent. False
// when the flank would need more arcs than the capacity or a curve cannot be fitted.
bool FitFlankCurves(const PlaneCurve& fillet, const PlaneCurve& involute, bool corner,
                    double tolerance, FittedFlank* flank);

// Fits the flank of gear p (accepted by CheckGear, cut by the rack) within tolerance. False when
// the tolerance is below LeastFitTolerance(p) or the flank would need more arcs than the
// capacity.
bool FitRackFlank(const GearParameters& p, double tolerance, FittedFlank* flank);

// The same for gear p cut by a shaper cutter as setup says (accepted by CheckShaperCut), an
// external gear or a ring.
bool FitShaperFlank(const GearParameters& p, const ShaperSetup& setup, double tolerance,
                    FittedFlank* flank);
