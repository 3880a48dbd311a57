#include "gear/shaper_profile.h"

#include <cmath>

// A point and velocity of the cutting frame, turned back into the gear's frame at this
// roll: the gear has turned anticlockwise by roll, and its own turn adds to the velocity.
static CurvePoint IntoGear(ModelPoint point, ModelPoint velocity, double roll) {
    const double c = cos(roll);
    const double s = sin(roll);
    const ModelPoint v = {velocity.x + point.y, velocity.y - point.x};
    CurvePoint gear;
    gear.point = {point.x * c + point.y * s, point.y * c - point.x * s};
    gear.derivative = {v.x * c + v.y * s, v.y * c - v.x * s};
    return gear;
}

CurvePoint ShaperFilletAt(const ShaperCutting& c, double roll) {
    const double rc = c.roundingCentreRadius;
    const double k = c.ratio;
    // The rounding centre's angle from the line of centres: the cutter has turned k times
    // the roll, against the gear (a ring: with it).
    const double w = c.roundingCentreAngle + k * roll;
    // The centre and its velocity per unit roll in the cutting frame.
    const ModelPoint centre = {-rc * sin(w), c.centreDistance - c.sense * rc * cos(w)};
    const ModelPoint velocity = {-rc * k * cos(w), c.sense * rc * k * sin(w)};
    // The contact lies rho m beyond the centre on the ray from the pitch point, the
    // instantaneous centre of the motion: there the rounding's normal passes through it.
    const double dx = centre.x;
    const double dy = centre.y - c.pitchRadius;
    const double d = hypot(dx, dy);
    const ModelPoint ray = {dx / d, dy / d};
    // The ray turns by the centre's velocity across it, over its length.
    const double turn = (velocity.y * ray.x - velocity.x * ray.y) / d;
    const double r = c.roundingRadius;
    const ModelPoint point = {centre.x + r * ray.x, centre.y + r * ray.y};
    const ModelPoint pointVelocity = {velocity.x - r * turn * ray.y, velocity.y + r * turn * ray.x};
    return IntoGear(point, pointVelocity, roll);
}

CurvePoint ShaperInvoluteAt(const ShaperCutting& c, double roll) {
    // The tangent from the pitch point touches the base circle at beta, clockwise from +y;
    // the string unwound from there has this many radians of the base circle (negative on a
    // ring's flank and on the undercut branch).
    const double beta = roll + c.sense * c.pressureAngle;
    const double unwound = beta - c.involuteStart;
    const double rb = c.baseRadius;
    CurvePoint involute;
    involute.point = {rb * (sin(beta) - unwound * cos(beta)),
                      rb * (cos(beta) + unwound * sin(beta))};
    involute.derivative = {rb * unwound * sin(beta), rb * unwound * cos(beta)};
    return involute;
}

void ComputeShaperProfileOf(const GearParameters& p, const ShaperSetup& setup,
                            GearGeometry* geometry, ToothProfile* profile) {
    const ShaperCutting c = ComputeShaperCutting(p, setup);
    geometry->pressureAngleRad = p.pressureAngleDeg * kProfilePi / 180;
    geometry->pitchRadius = 0.5 * p.module * p.toothCount;
    geometry->tipRadius = c.tipRadius;
    geometry->rootRadius = c.rootRadius;
    const int nF = p.filletDivisions;
    const int nI = p.involuteDivisions;
    if (nF < 1 || nI < 1 || nF > kProfileCapacity - 1 - nI) {
        return;
    }
    for (int i = 0; i <= nF; i++) {
        const double roll = c.rollStart + i * (c.rollTransition - c.rollStart) / nF;
        const ModelPoint point = ShaperFilletAt(c, roll).point;
        profile->profileX[i] = point.x;
        profile->profileY[i] = point.y;
    }
    for (int i = 1; i <= nI; i++) {
        const double roll = c.rollTransition + i * (c.rollEnd - c.rollTransition) / nI;
        const ModelPoint point = ShaperInvoluteAt(c, roll).point;
        profile->profileX[nF + i] = point.x;
        profile->profileY[nF + i] = point.y;
    }
}
