#include "gear/fitted_flank.h"

#include <cfloat>
#include <cmath>

#include "gear/arc_fit.h"
#include "gear/rack_flank_curves.h"
#include "model/gear_data.h"

// The bound holds down to about ten roundings of the coordinates, which reach the tip
// radius; 512 roundings leave room. Coarser still, a billionth of the module keeps every
// gear the check accepts within the capacity.
double LeastFitTolerance(const GearParameters& p) {
    const double tipRadius =
        p.module * std::fabs(p.toothCount / 2.0 + p.profileShiftCoef + p.addendumCoef);
    return std::fmax(1e-9 * p.module, 512 * DBL_EPSILON * tipRadius);
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
    ArcSink sink = {flank->arc, kFittedFlankCapacity, 0};
    bool fitted = false;
    if (!data.undercut) {
        // Fillet and involute touch at the transition: their arcs meet there along the
        // common tangent. Each curve's bend varies smoothly, not across the transition.
        const PlaneCurve fillet = FilletCurve(f, g.thetaStart, g.thetaTransition);
        const PlaneCurve involute = InvoluteCurve(f, g.thetaEnd);
        fitted = FitArcs(&fillet, 1, tolerance, &sink) && FitArcs(&involute, 1, tolerance, &sink);
        if (!fitted) {
            // A fillet within the tolerance of a corner leaves no room for arcs of its
            // own: the arcs round it off on their way onto the involute.
            const PlaneCurve pieces[2] = {fillet, involute};
            sink.count = 0;
            fitted = FitArcs(pieces, 2, tolerance, &sink);
        }
    } else {
        UndercutCrossing crossing;
        if (FindUndercutCrossing(f, &crossing)) {
            // The corner as the fillet reaches it, on the form circle.
            f.joinTheta = crossing.involuteTheta;
            f.join = crossing.point;
            const PlaneCurve fillet = FilletCurve(f, g.thetaStart, crossing.filletTheta);
            const PlaneCurve involute = InvoluteCurve(f, g.thetaEnd);
            fitted = FitArcs(&fillet, 1, tolerance, &sink);
            flank->cornerArc = sink.count;
            fitted = fitted && FitArcs(&involute, 1, tolerance, &sink);
        }
    }
    flank->count = fitted ? sink.count : 0;
    return fitted;
}
