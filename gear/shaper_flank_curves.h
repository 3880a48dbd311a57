// The two curves a pinion-type shaper cutter leaves on the left flank of the tooth on the
// +y axis (an external gear's or a ring's), as plane curves for the arc fitter, each with
// its exact tangent: the fillet, cut by the cutter's tip rounding, and the involute, cut by
// its flank. Where undercut makes the fillet cross the involute, the fillet ends and the
// involute begins at that crossing. No platform types.
#pragma once

#include "gear/plane_curve.h"
#include "gear/shaper_cutting.h"

// The cutting mesh and the roll angles the curves run over; the curves below point to it.
struct ShaperFlank {
    ShaperCutting c;
    double filletEnd;     // the fillet's last roll: the transition, or the undercut crossing
    double involuteFrom;  // the involute's first roll, where it starts at join
    ModelPoint join;      // the point the two curves share, as the fillet reaches it
    bool corner;          // the curves meet at an angle: the undercut crossing
    // Each curve's parameter is its roll angle times this sign, so that it grows from the
    // root toward the tip.
    double filletSign;
    double involuteSign;
    // The tangent's angle at the middle of each curve: the angles of the samples are kept
    // within half a turn of it, so that they run on continuously.
    double filletMiddle;
    double involuteMiddle;
};

// The flank of gear p cut as setup says (accepted by CheckShaperCut). False when an undercut
// tooth's cut never comes back to the involute.
bool ShaperFlankOf(const GearParameters& p, const ShaperSetup& setup, ShaperFlank* flank);

// The fillet from the root point to flank.filletEnd.
PlaneCurve ShaperFilletCurve(const ShaperFlank& flank);

// The involute from flank.join to the tip point.
PlaneCurve ShaperInvoluteCurve(const ShaperFlank& flank);
