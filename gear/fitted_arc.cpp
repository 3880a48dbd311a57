#include "gear/fitted_arc.h"

#include <cmath>

double FittedArcSweep(const FittedArc& arc) {
    return 4 * std::atan(arc.bulge);
}

// The chord is 2 R sin(sweep / 2), and sin(sweep / 2) = 2 b / (1 + b^2).
double FittedArcRadius(const FittedArc& arc) {
    const double chord = std::hypot(arc.end.x - arc.start.x, arc.end.y - arc.start.y);
    const double b = std::fabs(arc.bulge);
    return b == 0 ? HUGE_VAL : chord * (1 + b * b) / (4 * b);
}

// The tangent leaves the chord by half the sweep on one side and meets it again on the other.
double FittedArcStartDirection(const FittedArc& arc) {
    const double chord = std::atan2(arc.end.y - arc.start.y, arc.end.x - arc.start.x);
    return chord - FittedArcSweep(arc) / 2;
}

double FittedArcEndDirection(const FittedArc& arc) {
    const double chord = std::atan2(arc.end.y - arc.start.y, arc.end.x - arc.start.x);
    return chord + FittedArcSweep(arc) / 2;
}
