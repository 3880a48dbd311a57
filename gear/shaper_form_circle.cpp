#include "gear/shaper_form_circle.h"

#include <cmath>

#include "gear/shaper_profile.h"

// How far the fillet's point at this roll lies beyond the involute on its circle, as an
// angle: positive where the rounding leaves the involute standing, negative where it cuts
// into it or where there is no involute (inside the base circle).
static double FilletBeyondInvolute(const ShaperCutting& c, double roll, double* radius) {
    const ModelPoint fillet = ShaperFilletAt(c, roll).point;
    *radius = hypot(fillet.x, fillet.y);
    if (!(*radius > c.baseRadius)) {
        return -1;
    }
    // The involute's angle left of the tooth's centre line on this circle: its start, less
    // inv(a_r) on the tooth's side (a ring's flank leans the other way).
    const double alphaR = acos(c.baseRadius / *radius);
    const double involute = -c.involuteStart - c.sense * (tan(alphaR) - alphaR);
    return atan2(-fillet.x, fillet.y) - involute;
}

bool ShaperUndercutCrossing(const ShaperCutting& c, double* filletRoll) {
    // At the transition the fillet touches the involute's undercut branch, outside the
    // involute; walking back toward the root it crosses the involute once.
    double radius = 0;
    double outside = c.rollTransition;
    if (!(FilletBeyondInvolute(c, outside, &radius) > 0)) {
        return false;
    }
    const int samples = 256;
    for (int i = 1; i <= samples; i++) {
        const double roll = c.rollTransition + i * (c.rollStart - c.rollTransition) / samples;
        if (FilletBeyondInvolute(c, roll, &radius) > 0) {
            outside = roll;
            continue;
        }
        // Halve the step between the last outside and this inside roll to the last bit.
        double inside = roll;
        for (int step = 0; step < 200; step++) {
            const double middle = (outside + inside) / 2;
            if (middle == outside || middle == inside) {
                break;
            }
            if (FilletBeyondInvolute(c, middle, &radius) > 0) {
                outside = middle;
            } else {
                inside = middle;
            }
        }
        *filletRoll = outside;
        return true;
    }
    return false;
}

double ShaperFormDiameter(const ShaperCutting& c) {
    if (c.transitionDistance >= 0) {
        return 2 * hypot(c.baseRadius, c.transitionDistance);
    }
    // At the transition the fillet lies inside the involute, or there is none yet.
    double radius = 0;
    if (!(FilletBeyondInvolute(c, c.rollTransition, &radius) > 0)) {
        return 2 * radius;
    }
    double roll = 0;
    if (!ShaperUndercutCrossing(c, &roll)) {
        return 2 * c.baseRadius;
    }
    FilletBeyondInvolute(c, roll, &radius);
    return 2 * radius;
}
