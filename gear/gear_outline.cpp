#include "gear/gear_outline.h"

#include <cmath>

void GeneratedFlank(const ToothProfile& profile, int lastIndex, FlankPoints* flank) {
    const int last = ProfileLastIndex(lastIndex);
    for (int i = 0; i <= last; i++) {
        flank->point[i].x = profile.profileX[i];
        flank->point[i].y = profile.profileY[i];
    }
    flank->count = last + 1;
}

// Where segment a0-a1 properly crosses segment b0-b1: the parameter along a in (0, 1].
// A crossing through the lower end of b counts on b, one through its upper end on the next
// chord; segments that run parallel do not cross.
static bool Crossing(ModelPoint a0, ModelPoint a1, ModelPoint b0, ModelPoint b1, double* t) {
    const double ax = a1.x - a0.x;
    const double ay = a1.y - a0.y;
    const double bx = b1.x - b0.x;
    const double by = b1.y - b0.y;
    const double d = ax * by - ay * bx;
    if (d == 0) {
        return false;
    }
    const double cx = b0.x - a0.x;
    const double cy = b0.y - a0.y;
    const double ta = (cx * by - cy * bx) / d;
    const double tb = (cx * ay - cy * ax) / d;
    if (!(ta > 0 && ta <= 1 && tb >= 0 && tb < 1)) {
        return false;
    }
    *t = ta;
    return true;
}

void ManufacturingFlank(const ToothProfile& profile, int lastIndex, int filletDivisions,
                        FlankPoints* flank) {
    GeneratedFlank(profile, lastIndex, flank);
    const int last = flank->count - 1;
    const ModelPoint* p = flank->point;
    // Walking up the fillet, the first chord that an involute chord crosses, and where.
    for (int i = 0; i < filletDivisions && i < last; i++) {
        double nearest = 2;
        int involuteChord = -1;
        for (int j = filletDivisions; j < last; j++) {
            double t;
            if (j != i + 1 && Crossing(p[i], p[i + 1], p[j], p[j + 1], &t) && t < nearest) {
                nearest = t;
                involuteChord = j;
            }
        }
        if (involuteChord < 0) {
            continue;
        }
        ModelPoint cut;
        cut.x = p[i].x + nearest * (p[i + 1].x - p[i].x);
        cut.y = p[i].y + nearest * (p[i + 1].y - p[i].y);
        // Fillet points 0..i, the crossing, then the involute from the chord's upper end.
        int count = i + 1;
        flank->point[count++] = cut;
        for (int k = involuteChord + 1; k <= last; k++) {
            flank->point[count++] = p[k];
        }
        flank->count = count;
        return;
    }
}

void WalkGearOutline(const FlankPoints& flank, int toothCount, const GearPlacement& placement,
                     const OutlineWalker& walker) {
    const int n = toothCount < 1 ? 1 : toothCount;
    const int count = flank.count;
    ModelPoint points[kFlankCapacity];
    ModelPoint firstRoot = {0, 0};
    ModelPoint previousRoot = {0, 0};
    for (int k = 0; k < n; k++) {
        const ToothRotation r = RotationOfTooth(k, n);
        for (int i = 0; i < count; i++) {
            points[i] = PlacedPoint(RotatedPoint(flank.point[i], r), placement);
        }
        if (k == 0) {
            firstRoot = points[0];
        } else {
            walker.arc(walker.context, kGapArc, points[0], previousRoot);
        }
        walker.flank(walker.context, k, false, points, count);
        const ModelPoint leftTip = points[count - 1];
        for (int i = 0; i < count; i++) {
            points[i] = PlacedPoint(RotatedMirrorPoint(flank.point[count - 1 - i], r), placement);
        }
        walker.arc(walker.context, kTipArc, points[0], leftTip);
        walker.flank(walker.context, k, true, points, count);
        previousRoot = points[count - 1];
    }
    // The last tooth stands next to the first on its counter-clockwise side.
    walker.arc(walker.context, kGapArc, firstRoot, previousRoot);
}

// The arc about the centre that the walk runs clockwise from `from` to `to`.
static FittedArc ClockwiseArc(ModelPoint centre, ModelPoint from, ModelPoint to) {
    return {from, to, -tan(ArcSweep(centre, to, from) / 4)};
}

// A point of the walk carried to where the gear stands: the largest gear's outline has
// millions, most often about the origin unturned.
static inline ModelPoint Placed(ModelPoint p, bool identity, const GearPlacement& placement) {
    return identity ? p : PlacedPoint(p, placement);
}

void WalkArcOutline(const FittedFlank& flank, int toothCount, const GearPlacement& placement,
                    const ArcOutlineWalker& walker) {
    const bool identity = PlacementIsIdentity(placement);
    const int n = toothCount < 1 ? 1 : toothCount;
    const int count = flank.count;
    const FittedArc* arc = flank.arc;
    const ModelPoint centre = placement.centre;
    ModelPoint firstRoot = {0, 0};
    ModelPoint previousRoot = {0, 0};
    for (int k = 0; k < n; k++) {
        const ToothRotation r = RotationOfTooth(k, n);
        const ModelPoint root = Placed(RotatedPoint(arc[0].start, r), identity, placement);
        if (k == 0) {
            firstRoot = root;
        } else {
            walker.piece(walker.context, kGapPiece, ClockwiseArc(centre, previousRoot, root));
        }
        // Each arc's start is the end of the one before, turned the same way: the same point.
        ModelPoint start = root;
        for (int i = 0; i < count; i++) {
            const ModelPoint end = Placed(RotatedPoint(arc[i].end, r), identity, placement);
            walker.piece(walker.context, kFlankPiece, {start, end, arc[i].bulge});
            start = end;
        }
        // Mirrored, an arc turns the other way; run backwards, the same way again.
        const ModelPoint rightTip =
            Placed(RotatedMirrorPoint(arc[count - 1].end, r), identity, placement);
        walker.piece(walker.context, kTipPiece, ClockwiseArc(centre, start, rightTip));
        start = rightTip;
        for (int i = count - 1; i >= 0; i--) {
            const ModelPoint end = Placed(RotatedMirrorPoint(arc[i].start, r), identity, placement);
            walker.piece(walker.context, kFlankPiece, {start, end, arc[i].bulge});
            start = end;
        }
        previousRoot = start;
    }
    // The last tooth stands next to the first on its counter-clockwise side.
    walker.piece(walker.context, kGapPiece, ClockwiseArc(centre, previousRoot, firstRoot));
}

double ArcSweep(ModelPoint centre, ModelPoint start, ModelPoint end) {
    const double ax = start.x - centre.x;
    const double ay = start.y - centre.y;
    const double bx = end.x - centre.x;
    const double by = end.y - centre.y;
    const double cross = ax * by - ay * bx;
    const double dot = ax * bx + ay * by;
    const double sweep = std::atan2(cross, dot);
    return sweep < 0 ? sweep + kFullTurn : sweep;
}
