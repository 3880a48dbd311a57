#include "gear/shaper_flank_curves.h"

#include <cmath>

#include "gear/circle_constants.h"
#include "gear/shaper_form_circle.h"
#include "gear/shaper_profile.h"

static double SignOf(double v) {
    return v < 0 ? -1 : 1;
}

// The direction of a derivative, kept within half a turn of middle.
static double DirectionNear(ModelPoint derivative, double sign, double middle) {
    const double angle = std::atan2(sign * derivative.y, sign * derivative.x);
    return middle + std::remainder(angle - middle, kFullTurn);
}

// A curve's sample at parameter t: its roll angle sign t, where the shared point is taken
// as the fillet reaches it.
static CurveSample SampleAt(const ShaperFlank& f, CurvePoint (*at)(const ShaperCutting&, double),
                            double sign, double joinRoll, double middle, double t) {
    const double roll = sign * t;
    const CurvePoint curve = at(f.c, roll);
    return {roll == joinRoll ? f.join : curve.point, DirectionNear(curve.derivative, sign, middle)};
}

static CurveSample FilletSample(const void* context, double t) {
    const ShaperFlank& f = *static_cast<const ShaperFlank*>(context);
    return SampleAt(f, ShaperFilletAt, f.filletSign, f.filletEnd, f.filletMiddle, t);
}

static CurveSample InvoluteSample(const void* context, double t) {
    const ShaperFlank& f = *static_cast<const ShaperFlank*>(context);
    return SampleAt(f, ShaperInvoluteAt, f.involuteSign, f.involuteFrom, f.involuteMiddle, t);
}

bool ShaperFlankOf(const GearParameters& p, const ShaperSetup& setup, ShaperFlank* flank) {
    ShaperFlank& f = *flank;
    f.c = ComputeShaperCutting(p, setup);
    const ShaperCutting& c = f.c;
    f.filletEnd = c.rollTransition;
    f.involuteFrom = c.rollTransition;
    f.corner = false;
    if (c.transitionDistance < 0) {
        double crossing = 0;
        if (!ShaperUndercutCrossing(c, &crossing)) {
            return false;
        }
        const ModelPoint point = ShaperFilletAt(c, crossing).point;
        f.filletEnd = crossing;
        // On the involute's branch that reaches the tip, its contact on the circle through
        // the crossing lies sqrt(r^2 - rb^2) along the line of action.
        const double radius = std::hypot(point.x, point.y);
        f.involuteFrom = ShaperInvoluteRoll(
            c, std::sqrt(std::fmax(radius * radius - c.baseRadius * c.baseRadius, 0)));
        f.corner = true;
    }
    f.join = ShaperFilletAt(c, f.filletEnd).point;
    f.filletSign = SignOf(f.filletEnd - c.rollStart);
    f.involuteSign = SignOf(c.rollEnd - f.involuteFrom);
    const CurvePoint filletMiddle = ShaperFilletAt(c, (c.rollStart + f.filletEnd) / 2);
    const CurvePoint involuteMiddle = ShaperInvoluteAt(c, (f.involuteFrom + c.rollEnd) / 2);
    f.filletMiddle = DirectionNear(filletMiddle.derivative, f.filletSign, 0);
    f.involuteMiddle = DirectionNear(involuteMiddle.derivative, f.involuteSign, 0);
    return true;
}

PlaneCurve ShaperFilletCurve(const ShaperFlank& flank) {
    return {&flank, FilletSample, flank.filletSign * flank.c.rollStart,
            flank.filletSign * flank.filletEnd};
}

PlaneCurve ShaperInvoluteCurve(const ShaperFlank& flank) {
    return {&flank, InvoluteSample, flank.involuteSign * flank.involuteFrom,
            flank.involuteSign * flank.c.rollEnd};
}
