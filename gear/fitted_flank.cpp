#include "gear/fitted_flank.h"

#include <cfloat>
#include <cmath>

#include "gear/arc_fit.h"
#include "gear/rack_flank_curves.h"
#include "gear/gear_data.h"

// The bound holds down to about ten roundings of the coordinates, which reach the tip
// radius; 512 roundings leave room. Coarser still, a billionth of the module keeps every
// gear the check accepts within the capacity.
double LeastFitTolerance(const GearParameters& p) {
    const double tipRadius =
        p.module * std::fabs(p.toothCount / 2.0 + p.profileShiftCoef + p.addendumCoef);
    return std::fmax(1e-9 * p.module, 512 * DBL_EPSILON * tipRadius);
}

// The arcs of the second way of fitting a flank without undercut; large, hence static.
static FittedArc throughArcs[kFittedFlankCapacity];

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
        // Fillet and involute touch at the transition, where the arcs may meet along the
        // common tangent or run on through. Running on saves an arc where the fillet's bend
        // flows into the involute's; where it does not, the arcs leave the fillet at an
        // angle to the involute that they must first work off. Both are fitted, the fewer
        // arcs kept. A fillet within the tolerance of a corner leaves no room for arcs of
        // its own: only running on fits.
        const PlaneCurve pieces[2] = {FilletCurve(f, g.thetaStart, g.thetaTransition),
                                      InvoluteCurve(f, g.thetaEnd)};
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
