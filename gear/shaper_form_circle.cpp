#include "gear/shaper_form_circle.h"

#include <cmath>

#include "gear/shaper_profile.h"
#include "gear/sign_change.h"

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

static double Beyond(const void* context, double roll) {
    double radius = 0;
    return FilletBeyondInvolute(*static_cast<const ShaperCutting*>(context), roll, &radius);
}

bool ShaperUndercutCrossing(const ShaperCutting& c, double* filletRoll) {
    // At the transition the fillet touches the involute's undercut branch, outside the
    // involute; walking back toward the root it crosses the involute once.
    return LastPositiveBefore({&c, Beyond}, c.rollTransition, c.rollStart, 256, filletRoll);
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
