#include "gear/rack_flank_curves.h"

#include <cmath>

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

// Angle of a flank point from the tooth's centre line, positive toward the left flank.
static double AngleFromCentreLine(const ModelPoint& point) {
    return atan2(-point.x, point.y);
}

// How far the fillet's point at roll angle theta lies outside the involute on its circle,
// as an angle, and the involute's roll angle on that circle: positive where the rounding
// leaves the involute standing, negative where it cuts into it or inside the base circle.
static double FilletBeyondInvolute(const RackFlank& f, double theta, double* involuteTheta) {
    const ModelPoint fillet = FilletPointAt(f.p, f.g, theta);
    const double radius = hypot(fillet.x, fillet.y);
    const double z = f.p.toothCount;
    const double r = z * 0.5 * f.p.module;
    const double underRoot = Square(radius / r) - Square(cos(f.alpha));
    if (!(underRoot > 0)) {
        return -1;
    }
    const double q = -sin(f.alpha) + sqrt(underRoot);
    *involuteTheta =
        (q - (2 * f.p.profileShiftCoef / z) * sin(f.alpha)) / cos(f.alpha) - kProfileHalfPi / z;
    return AngleFromCentreLine(fillet) -
           AngleFromCentreLine(InvolutePointAt(f.p, f.alpha, *involuteTheta));
}

// Walking back from the transition toward the root, the first sign change, halved to the
// last bit: the same search, step for step, as the form diameter's.
bool FindUndercutCrossing(const RackFlank& f, UndercutCrossing* crossing) {
    const GeneratingMotion& g = f.g;
    double involuteTheta = 0;
    double outside = g.thetaTransition;
    if (!(FilletBeyondInvolute(f, outside, &involuteTheta) > 0)) {
        return false;
    }
    const int samples = 256;
    for (int i = 1; i <= samples; i++) {
        const double theta = g.thetaTransition + i * (g.thetaStart - g.thetaTransition) / samples;
        if (FilletBeyondInvolute(f, theta, &involuteTheta) > 0) {
            outside = theta;
            continue;
        }
        double inside = theta;
        for (int step = 0; step < 200; step++) {
            const double middle = (outside + inside) / 2;
            if (middle == outside || middle == inside) {
                break;
            }
            if (FilletBeyondInvolute(f, middle, &involuteTheta) > 0) {
                outside = middle;
            } else {
                inside = middle;
            }
        }
        FilletBeyondInvolute(f, outside, &involuteTheta);
        crossing->filletTheta = outside;
        crossing->involuteTheta = involuteTheta;
        crossing->point = FilletPointAt(f.p, f.g, outside);
        return true;
    }
    return false;
}
