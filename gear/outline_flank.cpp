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

bool OutlineFlankOf(const Gear& gear, const OutlineChoice& choice, FittedFlank* flank) {
    flank->count = 0;
    flank->cornerArc = 0;
    const GearParameters& p = gear.parameters;
    if (choice.style == kOutlineFitted) {
        return FitRackFlank(p, choice.tolerance, flank);
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
