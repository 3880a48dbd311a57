#include "tests/unit/flank_deviation.h"

#include <cmath>

#include "gear/tooth_profile.h"

// Worked out in the frame of the chord (u along it from its middle, v to its left), where
// the circle's centre lies at v = c (1 - b^2) / (4 b).
double DistanceToArc(const FittedArc& a, ModelPoint p) {
    const double cx = a.end.x - a.start.x;
    const double cy = a.end.y - a.start.y;
    const double c = std::hypot(cx, cy);
    const double mx = p.x - (a.start.x + a.end.x) / 2;
    const double my = p.y - (a.start.y + a.end.y) / 2;
    const double u = (mx * cx + my * cy) / c;
    const double v = (my * cx - mx * cy) / c;
    const double b = a.bulge;
    // Seen from the centre, p lies between the ends when the ray through p meets the chord.
    const double w = 1 - 4 * b * v / (c * (1 - b * b));
    if (w > 0 && std::fabs(u) <= c / 2 * w) {
        // (|p - centre|^2 - R^2) / (|p - centre| + R), everything multiplied by b.
        const double power = b * (u * u + v * v - c * c / 4) - v * c * (1 - b * b) / 2;
        return std::fabs(power) /
               (std::hypot(b * u, b * v - c * (1 - b * b) / 4) + c * (1 + b * b) / 4);
    }
    return std::fmin(std::hypot(p.x - a.start.x, p.y - a.start.y),
                     std::hypot(p.x - a.end.x, p.y - a.end.y));
}

// The distance from p to the nearest arc, searched about the arc nearest the last point.
static double DistanceToArcs(const FittedArc* arcs, int count, ModelPoint p, int* near) {
    double d = HUGE_VAL;
    int best = *near;
    for (int i = *near - 3; i <= *near + 3; i++) {
        if (i >= 0 && i < count && DistanceToArc(arcs[i], p) < d) {
            d = DistanceToArc(arcs[i], p);
            best = i;
        }
    }
    *near = best;
    return d;
}

static double Radius(ModelPoint p) {
    return std::hypot(p.x, p.y);
}

double LargestFlankDeviation(const GearParameters& p, const GearData& data, const FittedArc* arcs,
                             int count, ToothRotation r, bool mirrored) {
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    const double z = p.toothCount;
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    const double form = data.formDiameter / 2;
    // Where the involute leaves the base circle: q = -sin(alpha).
    const double thetaBase =
        (-std::sin(alpha) - 2 * p.profileShiftCoef / z * std::sin(alpha)) / std::cos(alpha) -
        kProfileHalfPi / z;
    const int samples = 64 * count + 2000;
    double largest = 0;
    // The right flank's arcs run from the tip down: start the search at its far end.
    int near = mirrored ? count - 1 : 0;
    auto measure = [&](ModelPoint exact) {
        const ModelPoint turned = mirrored ? RotatedMirrorPoint(exact, r) : RotatedPoint(exact, r);
        largest = std::fmax(largest, DistanceToArcs(arcs, count, turned, &near));
    };
    for (int i = 0; i <= samples; i++) {
        const ModelPoint f =
            FilletPointAt(p, g, g.thetaStart + i * (g.thetaTransition - g.thetaStart) / samples);
        if (Radius(f) <= form) {
            measure(f);
        }
    }
    for (int i = 0; i <= samples; i++) {
        const ModelPoint v =
            InvolutePointAt(p, alpha, thetaBase + i * (g.thetaEnd - thetaBase) / samples);
        if (Radius(v) >= form) {
            measure(v);
        }
    }
    return largest;
}
