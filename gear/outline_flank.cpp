#include "gear/outline_flank.h"

#include <cmath>

static double Distance(ModelPoint a, ModelPoint b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

void DividedFlankArcs(const FlankPoints& points, double tolerance, FittedFlank* flank) {
    flank->count = 0;
    flank->cornerArc = 0;
    if (points.count < 2) {
        return;
    }
    const ModelPoint* p = points.point;
    const ModelPoint tip = p[points.count - 1];
    // The kept points are the chords' starts: arc[i].start.
    int kept = 0;
    flank->arc[kept++].start = p[0];
    for (int i = 1; i + 1 < points.count; i++) {
        if (Distance(flank->arc[kept - 1].start, p[i]) >= tolerance) {
            flank->arc[kept++].start = p[i];
        }
    }
    while (kept > 1 && Distance(flank->arc[kept - 1].start, tip) < tolerance) {
        kept--;
    }
    for (int i = 0; i < kept; i++) {
        flank->arc[i].end = i + 1 < kept ? flank->arc[i + 1].start : tip;
        flank->arc[i].bulge = 0;
    }
    flank->count = kept;
}

// v on the grid of multiples of 2^e: exact arithmetic, the same on every machine.
static double Snapped(double v, int e) {
    return std::ldexp(std::round(std::ldexp(v, -e)), e);
}

// The fit runs on each C library's own sin, cos, atan and cbrt, which differ in the last
// bit between the Linux and the Windows build; their arcs differ as much, and the DXF's
// exact digits would show it. So the inner ends of the arcs go on a binary grid of about a
// 65536th of the tolerance and the bulges on one that moves no point by more than that: both
// builds then write the same digits unless a value lies within a few units of its last
// place of a grid line. The root and tip points stay exactly where the profile has them.
static void SnapToGrid(FittedFlank* flank, double tolerance, double depth) {
    int pointExponent = 0;
    int bulgeExponent = 0;
    std::frexp(tolerance / 65536, &pointExponent);
    std::frexp(tolerance / (65536 * depth), &bulgeExponent);
    for (int i = 0; i < flank->count; i++) {
        FittedArc& arc = flank->arc[i];
        if (i + 1 < flank->count) {
            arc.end = {Snapped(arc.end.x, pointExponent - 1),
                       Snapped(arc.end.y, pointExponent - 1)};
            flank->arc[i + 1].start = arc.end;
        }
        arc.bulge = Snapped(arc.bulge, bulgeExponent - 1);
    }
}

// The fit aims this much inside the tolerance: room for the grid's moves.
static const double kGridRoom = 1.0 / 1024;

bool OutlineFlankOf(const Gear& gear, const OutlineChoice& choice, FittedFlank* flank) {
    flank->count = 0;
    flank->cornerArc = 0;
    const GearParameters& p = gear.parameters;
    if (choice.style == kOutlineFitted) {
        const double aim = std::fmax(choice.tolerance * (1 - kGridRoom), LeastFitTolerance(p));
        const bool rackCut = gear.cut.cutter == kRackCutter && !gear.cut.internal;
        if (!(choice.tolerance >= aim) ||
            !(rackCut ? FitRackFlank(p, aim, flank)
                      : FitShaperFlank(p, ShaperSetupOf(p, gear.cut), aim, flank))) {
            return false;
        }
        // A ring's tip lies inside its root.
        const double depth = std::fabs(gear.geometry.tipRadius - gear.geometry.rootRadius);
        SnapToGrid(flank, choice.tolerance, depth);
        return true;
    }
    const int nF = p.filletDivisions;
    const int last = nF + p.involuteDivisions;
    if (last < 2 || last >= kProfileCapacity || nF < 1 || nF >= last || !(choice.tolerance > 0)) {
        return false;
    }
    FlankPoints points;
    ManufacturingFlank(gear.profile, last, nF, &points);
    DividedFlankArcs(points, choice.tolerance, flank);
    return flank->count > 0;
}
