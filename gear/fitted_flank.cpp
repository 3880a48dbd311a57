#include "gear/fitted_flank.h"

#include <cfloat>
#include <cmath>

#include "gear/arc_fit.h"
#include "gear/rack_flank_curves.h"
#include "gear/shaper_flank_curves.h"
#include "gear/gear_data.h"

// The bound holds down to about ten roundings of the coordinates, which reach the tip
// radius; 512 roundings leave room. Coarser still, a billionth of the module keeps every
// gear the check accepts within the capacity.
double LeastFitTolerance(const GearParameters& p) {
    const double tipRadius =
        p.module * std::fabs(p.toothCount / 2.0 + p.profileShiftCoef + p.addendumCoef);
    return std::fmax(1e-9 * p.module, 512 * DBL_EPSILON * tipRadius);
}

// The arcs of the second way of fitting a flank without a corner; large, hence static.
static FittedArc throughArcs[kFittedFlankCapacity];

bool FitFlankCurves(const PlaneCurve& fillet, const PlaneCurve& involute, bool corner,
                    double tolerance, FittedFlank* flank) {
    flank->count = 0;
    flank->cornerArc = 0;
    ArcSink sink = {flank->arc, kFittedFlankCapacity, 0};
    bool fitted = false;
    if (!corner) {
        // Fillet and involute touch at the transition, where the arcs may meet along the
        // common tangent or run on through. Running on saves an arc where the fillet's bend
        // flows into the involute's; where it does not, the arcs leave the fillet at an
        // angle to the involute that they must first work off. Both are fitted, the fewer
        // arcs kept. A fillet within the tolerance of a corner leaves no room for arcs of
        // its own: only running on fits.
        const PlaneCurve pieces[2] = {fillet, involute};
        const bool apart =
            FitArcs(&pieces[0], 1, tolerance, &sink) && FitArcs(&pieces[1], 1, tolerance, &sink);
        ArcSink through = {throughArcs, kFittedFlankCapacity, 0};
        const bool runsOn = FitArcs(pieces, 2, tolerance, &through);
        if (runsOn && (!apart || through.count < sink.count)) {
            for (int i = 0; i < through.count; i++) {
                flank->arc[i] = throughArcs[i];
            }
            sink.count = through.count;
        }
        fitted = apart || runsOn;
    } else {
        fitted = FitArcs(&fillet, 1, tolerance, &sink);
        flank->cornerArc = sink.count;
        fitted = fitted && FitArcs(&involute, 1, tolerance, &sink);
    }
    flank->count = fitted ? sink.count : 0;
    return fitted;
}

bool FitRackFlank(const GearParameters& p, double tolerance, FittedFlank* flank) {
    flank->count = 0;
    flank->cornerArc = 0;
    if (!(tolerance >= LeastFitTolerance(p))) {
        return false;
    }
    RackFlank f = RackFlankOf(p);
    const GeneratingMotion& g = f.g;
    // Undercut as the gear data decide it, so the corner lies on their form circle.
    GearData data;
    ComputeGearData(p, 0, 0, &data);
    if (!data.undercut) {
        return FitFlankCurves(FilletCurve(f, g.thetaStart, g.thetaTransition),
                              InvoluteCurve(f, g.thetaEnd), false, tolerance, flank);
    }
    UndercutCrossing crossing;
    if (!FindUndercutCrossing(f, &crossing)) {
        return false;
    }
    // The corner as the fillet reaches it, on the form circle.
    f.joinTheta = crossing.involuteTheta;
    f.join = crossing.point;
    return FitFlankCurves(FilletCurve(f, g.thetaStart, crossing.filletTheta),
                          InvoluteCurve(f, g.thetaEnd), true, tolerance, flank);
}

bool FitShaperFlank(const GearParameters& p, const ShaperSetup& setup, double tolerance,
                    FittedFlank* flank) {
    flank->count = 0;
    flank->cornerArc = 0;
    ShaperFlank f;
    if (!(tolerance >= LeastFitTolerance(p)) || !ShaperFlankOf(p, setup, &f)) {
        return false;
    }
    return FitFlankCurves(ShaperFilletCurve(f), ShaperInvoluteCurve(f), f.corner, tolerance, flank);
}
