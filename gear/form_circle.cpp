#include "gear/form_circle.h"

#include <cmath>

#include "gear/tooth_profile.h"

// Angle of a flank point from the tooth's centre line, positive toward the left flank.
static double AngleFromCentreLine(const ModelPoint& point) {
    return atan2(-point.x, point.y);
}

// How far the fillet's point at roll angle theta lies outside the involute on its circle,
// as an angle: positive where the rounding leaves the involute standing, negative where it
// cuts into it or where there is no involute (inside the base circle).
static double FilletBeyondInvolute(const GearParameters& p, double alpha, const GeneratingMotion& g,
                                   double theta, double* radius) {
    const ModelPoint fillet = FilletPointAt(p, g, theta);
    *radius = hypot(fillet.x, fillet.y);
    const double z = p.toothCount;
    const double r = z * 0.5 * p.module;
    const double underRoot = Square(*radius / r) - Square(cos(alpha));
    if (!(underRoot > 0)) {
        return -1;
    }
    // The involute's own roll angle for this circle: its distance from the pitch point
    // along the line of action is q pitch radii, on the branch rising from the base circle.
    const double q = -sin(alpha) + sqrt(underRoot);
    const double involuteTheta =
        (q - (2 * p.profileShiftCoef / z) * sin(alpha)) / cos(alpha) - kProfileHalfPi / z;
    return AngleFromCentreLine(fillet) -
           AngleFromCentreLine(InvolutePointAt(p, alpha, involuteTheta));
}

double UndercutFormDiameter(const GearParameters& p, double alpha) {
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    double radius = 0;
    // At the transition the fillet touches the involute's reversed branch, outside the
    // involute; walking back toward the root it crosses the involute once.
    const int samples = 256;
    double outside = g.thetaTransition;
    if (!(FilletBeyondInvolute(p, alpha, g, outside, &radius) > 0)) {
        return 2 * radius;
    }
    for (int i = 1; i <= samples; i++) {
        const double theta = g.thetaTransition + i * (g.thetaStart - g.thetaTransition) / samples;
        if (FilletBeyondInvolute(p, alpha, g, theta, &radius) > 0) {
            outside = theta;
            continue;
        }
        // Halve the step between the last outside and this inside angle to the last bit.
        double inside = theta;
        for (int step = 0; step < 200; step++) {
            const double middle = (outside + inside) / 2;
            if (middle == outside || middle == inside) {
                break;
            }
            if (FilletBeyondInvolute(p, alpha, g, middle, &radius) > 0) {
                outside = middle;
            } else {
                inside = middle;
            }
        }
        FilletBeyondInvolute(p, alpha, g, outside, &radius);
        return 2 * radius;
    }
    return p.toothCount * p.module * cos(alpha);
}
