#include "gear/rack_flank_curves.h"

#include <cmath>

#include "gear/form_circle.h"

// The true half turn: the tangents' angles are exact, whatever constant placed the curves.
static const double kHalfTurn = 1.5707963267948966;

RackFlank RackFlankOf(const GearParameters& p) {
    RackFlank f;
    f.p = p;
    f.alpha = p.pressureAngleDeg * kProfilePi / 180;
    f.g = ComputeGeneratingMotion(p, f.alpha);
    f.joinTheta = f.g.thetaTransition;
    f.join = FilletPointAt(p, f.g, f.joinTheta);
    return f;
}

// The fillet's point moves about the pitch point, the instant centre of the rolling, at
// right angles to the ray through the rounding's centre, (u, cy) from the pitch point
// before the turn by -theta. Walked as theta falls its direction is (-cy, u) turned so;
// with cy < 0 and u growing, it only ever turns left.
static CurveSample FilletSample(const void* context, double t) {
    const RackFlank& f = *static_cast<const RackFlank*>(context);
    const double theta = -t;
    // x of the rounding's centre from the pitch point, in modules.
    const double u = f.g.cx - f.p.toothCount * theta / 2;
    return {FilletPointAt(f.p, f.g, theta), std::atan2(u, -f.g.cy) - theta};
}

// The involute's point moves along (sin(theta + alpha), cos(theta + alpha)), scaled by its
// distance from the base circle's tangent point, as theta grows: it only turns right.
static CurveSample InvoluteSample(const void* context, double t) {
    const RackFlank& f = *static_cast<const RackFlank*>(context);
    const ModelPoint point = t == f.joinTheta ? f.join : InvolutePointAt(f.p, f.alpha, t);
    return {point, kHalfTurn - t - f.alpha};
}

PlaneCurve FilletCurve(const RackFlank& flank, double from, double to) {
    return {&flank, FilletSample, -from, -to};
}

PlaneCurve InvoluteCurve(const RackFlank& flank, double to) {
    return {&flank, InvoluteSample, flank.joinTheta, to};
}

bool FindUndercutCrossing(const RackFlank& f, UndercutCrossing* crossing) {
    double theta = 0;
    if (!RackUndercutCrossing(f.p, f.alpha, f.g, &theta)) {
        return false;
    }
    double radius = 0;
    RackFilletBeyondInvolute(f.p, f.alpha, f.g, theta, &radius, &crossing->involuteTheta);
    crossing->filletTheta = theta;
    crossing->point = FilletPointAt(f.p, f.g, theta);
    return true;
}
