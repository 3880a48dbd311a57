#include "gear/tooth_distance.h"

#include <cmath>

#include "gear/tooth_profile.h"

// |a| |b| sin of the counter-clockwise angle from a to b.
static double Cross(ModelPoint a, ModelPoint b) {
    return a.x * b.y - a.y * b.x;
}

static double Length(ModelPoint p) {
    return sqrt(p.x * p.x + p.y * p.y);
}

static double Distance(ModelPoint a, ModelPoint b) {
    return sqrt(Square(a.x - b.x) + Square(a.y - b.y));
}

// The lesser and greater of two values: std::fmin and fmax, which must pass NaN through,
// are library calls, too slow for the innermost loop.
static double Least(double a, double b) {
    return a < b ? a : b;
}

static double Most(double a, double b) {
    return a > b ? a : b;
}

// Distance from the centre to chord i: where the foot of the perpendicular falls inside it,
// the chord dips below both its ends.
static double ChordLowestRadius(const HalfTooth& half, int i) {
    const ModelPoint a = half.point[i];
    const ModelPoint b = half.point[i + 1];
    const double t = -(a.x * (b.x - a.x) + a.y * (b.y - a.y)) * half.inverseSquaredChord[i];
    if (!(t > 0 && t < 1)) {
        return fmin(half.radius[i], half.radius[i + 1]);
    }
    return Length({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
}

// Bin b holds radii from radius[0] + b / binsPerRadius; its first chord is the last one
// starting at or below that radius. Only a rising flank is binned.
static void FillRadiusBins(HalfTooth* half) {
    const int n = half->count;
    const double span = half->radius[n - 1] - half->radius[0];
    half->binsPerRadius = half->rising && span > 0 ? kHalfToothBins / span : 0;
    int chord = 0;
    for (int b = 0; b < kHalfToothBins; b++) {
        while (half->binsPerRadius > 0 && chord + 2 < n &&
               half->radius[chord + 1] <= half->radius[0] + b / half->binsPerRadius) {
            chord++;
        }
        half->firstChordInBin[b] = chord;
    }
}

// Walking down the flank, the lowest radius any chord from here up reaches.
static void FillLowestAbove(HalfTooth* half) {
    const int n = half->count;
    if (n < 2) {
        half->lowestAbove[0] = half->radius[0];
        return;
    }
    half->lowestAbove[n - 2] = ChordLowestRadius(*half, n - 2);
    for (int i = n - 3; i >= 0; i--) {
        half->lowestAbove[i] = fmin(half->lowestAbove[i + 1], ChordLowestRadius(*half, i));
    }
}

void HalfToothOf(const MeshGear& gear, HalfTooth* half) {
    const FlankPoints& f = gear.flank;
    const int n = f.count;
    // A ring's flank runs from its outer root inward: store it by rising radius too.
    const bool reversed = n > 1 && Length(f.point[n - 1]) < Length(f.point[0]);
    for (int i = 0; i < n; i++) {
        half->point[i] = f.point[reversed ? n - 1 - i : i];
        half->radius[i] = Length(half->point[i]);
    }
    half->count = n;
    half->rising = true;
    for (int i = 0; i + 1 < n; i++) {
        const double chord = Square(Distance(half->point[i], half->point[i + 1]));
        half->inverseSquaredChord[i] = chord > 0 ? 1 / chord : 0;
        const double rise = half->radius[i + 1] - half->radius[i];
        half->inverseRise[i] = rise != 0 ? 1 / rise : 0;
        half->rising = half->rising && rise > 0;
    }
    FillRadiusBins(half);
    FillLowestAbove(half);
    half->rootPoint = f.point[0];
    half->tipPoint = f.point[n - 1];
    half->tipRadius = gear.tipRadius;
    half->rootRadius = gear.rootRadius;
    half->internal = gear.internal;
}

// The chord of a rising flank whose ends' radii bracket r, the end chords beyond them.
static int Bracket(const HalfTooth& half, double r) {
    const double bin = (r - half.radius[0]) * half.binsPerRadius;
    if (!(bin > 0)) {
        return 0;
    }
    int i = bin < kHalfToothBins ? half.firstChordInBin[static_cast<int>(bin)]
                                 : half.firstChordInBin[kHalfToothBins - 1];
    while (i + 2 < half.count && half.radius[i + 1] <= r) {
        i++;
    }
    return i;
}

// Where chord i meets the circle of radius r, placed along it by its ends' radii.
static ModelPoint CrossingAt(const HalfTooth& half, int i, double r) {
    const ModelPoint a = half.point[i];
    const ModelPoint b = half.point[i + 1];
    const double t = (r - half.radius[i]) * half.inverseRise[i];
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// Whether q, at radius r between the flank's ends, lies between the tooth's centre line and
// the flank. Along q's circle from the centre line, inside the tooth, each crossing of the
// flank changes side; a rising flank is crossed once.
static bool InTooth(const HalfTooth& half, ModelPoint q, double r, int bracket) {
    if (half.rising) {
        return Cross(CrossingAt(half, bracket, r), q) <= 0;
    }
    int crossings = 0;
    for (int i = 0; i + 1 < half.count; i++) {
        const double lo = fmin(half.radius[i], half.radius[i + 1]);
        const double hi = fmax(half.radius[i], half.radius[i + 1]);
        if (r >= lo && r < hi && Cross(CrossingAt(half, i, r), q) > 0) {
            crossings++;
        }
    }
    return crossings % 2 == 0;
}

// The nearest outline point found so far and its squared distance.
struct Nearest {
    double squared;
    ModelPoint point;
};

static void TryChord(const HalfTooth& half, int i, ModelPoint q, Nearest* nearest) {
    const ModelPoint a = half.point[i];
    const double dx = half.point[i + 1].x - a.x;
    const double dy = half.point[i + 1].y - a.y;
    const double t =
        Most(0.0, Least(1.0, ((q.x - a.x) * dx + (q.y - a.y) * dy) * half.inverseSquaredChord[i]));
    const ModelPoint foot = {a.x + t * dx, a.y + t * dy};
    const double squared = Square(q.x - foot.x) + Square(q.y - foot.y);
    if (squared < nearest->squared) {
        nearest->squared = squared;
        nearest->point = foot;
    }
}

// The point of the circle of this radius on q's ray, when nearer than any found.
static void TryArc(double radius, ModelPoint q, double r, Nearest* nearest) {
    const double squared = Square(r - radius);
    if (squared < nearest->squared && r > 0) {
        nearest->squared = squared;
        nearest->point = {q.x * radius / r, q.y * radius / r};
    }
}

// The tip arc runs from the centre line to the tip point, the gap arc from the root point
// to the space's centre line: q lies over one when its angle is within the arc's.
static void TryArcs(const HalfTooth& half, ModelPoint q, double r, Nearest* nearest) {
    if (Cross(half.tipPoint, q) <= 0) {
        TryArc(half.tipRadius, q, r, nearest);
    }
    if (Cross(half.rootPoint, q) >= 0) {
        TryArc(half.rootRadius, q, r, nearest);
    }
}

// Whether a chord this far from q in radius may still come nearer than the nearest found,
// or, outside the material, nearer than the bound.
static bool WithinReach(double radialGap, const Nearest& nearest, double squaredBound) {
    const double reach2 = squaredBound < nearest.squared ? squaredBound : nearest.squared;
    return radialGap <= 0 || radialGap * radialGap < reach2;
}

OutlineDistance DistanceToHalfTooth(const HalfTooth& half, ModelPoint q, double bound) {
    const double r = Length(q);
    const int last = half.count - 1;
    const int bracket = half.rising ? Bracket(half, r) : 0;
    // Inside the flank's inner end lies an external gear's body or a ring's bore; outside
    // its outer end, empty space or the ring's rim.
    bool inside = half.internal;
    if (r <= half.radius[0]) {
        inside = !half.internal;
    } else if (r < half.radius[last]) {
        inside = InTooth(half, q, r, bracket);
    }
    Nearest nearest = {HUGE_VAL, {0, 0}};
    TryArcs(half, q, r, &nearest);
    // Inside, the depth must be exact; outside, only distances below the bound matter.
    double squaredBound = HUGE_VAL;
    if (!inside) {
        squaredBound = bound > 0 ? bound * bound : 0;
    }
    if (!half.rising) {
        for (int i = 0; i < last; i++) {
            TryChord(half, i, q, &nearest);
        }
    } else {
        // From the bracketing chord outward, while a chord can still come nearer.
        TryChord(half, bracket, q, &nearest);
        for (int i = bracket + 1; i < last; i++) {
            if (!WithinReach(half.lowestAbove[i] - r, nearest, squaredBound)) {
                break;
            }
            TryChord(half, i, q, &nearest);
        }
        for (int i = bracket - 1; i >= 0; i--) {
            if (!WithinReach(r - half.radius[i + 1], nearest, squaredBound)) {
                break;
            }
            TryChord(half, i, q, &nearest);
        }
    }
    const double distance = sqrt(nearest.squared);
    return {inside ? -distance : distance, nearest.point};
}

// Curvature of the circle through three points: 2 |cross| / (product of the sides).
static double Curvature(ModelPoint a, ModelPoint b, ModelPoint c) {
    const double sides = Distance(a, b) * Distance(b, c) * Distance(c, a);
    const double twiceArea = fabs(Cross({b.x - a.x, b.y - a.y}, {c.x - a.x, c.y - a.y}));
    return sides > 0 ? 2 * twiceArea / sides : 0;
}

double FlankChordError(const FlankPoints& flank) {
    const ModelPoint* p = flank.point;
    double error = 0;
    for (int i = 0; i + 1 < flank.count; i++) {
        double k = HUGE_VAL;
        if (i >= 1) {
            k = fmin(k, Curvature(p[i - 1], p[i], p[i + 1]));
        }
        if (i + 2 < flank.count) {
            k = fmin(k, Curvature(p[i], p[i + 1], p[i + 2]));
        }
        if (k == HUGE_VAL || !(k > 0)) {
            continue;
        }
        // The sagitta of a chord of length L in a circle of radius 1 / k.
        const double half = fmin(1.0, k * Distance(p[i], p[i + 1]) / 2);
        error = fmax(error, (1 - sqrt(1 - half * half)) / k);
    }
    return error;
}

double LongestChord(const FlankPoints& flank) {
    double longest = 0;
    for (int i = 0; i + 1 < flank.count; i++) {
        longest = fmax(longest, Distance(flank.point[i], flank.point[i + 1]));
    }
    return longest;
}
