#include "gear/mesh_overlap.h"

#include <cmath>

#include "gear/tooth_distance.h"

// Point p of the plane in the frame of the target's tooth whose pitch holds it, mirrored
// onto the stored (left) flank's side.
static ModelPoint IntoHalfTooth(const MeshGear& target, ModelPoint p) {
    const double c = cos(target.turn);
    const double s = sin(target.turn);
    const double x = p.x - target.centre.x;
    const double y = p.y - target.centre.y;
    const ModelPoint q = {c * x + s * y, c * y - s * x};
    // Teeth stand every pitch from the +y axis; turn the nearest one onto it.
    const double pitch = kFullTurn / target.toothCount;
    const double angle = round(atan2(-q.x, q.y) / pitch) * pitch;
    const double ca = cos(angle);
    const double sa = sin(angle);
    const ModelPoint folded = {ca * q.x + sa * q.y, ca * q.y - sa * q.x};
    return {-fabs(folded.x), folded.y};
}

// The points of source's teeth within two pitches of the target that lie inside it.
static int PointsInside(const MeshGear& source, const Gear& sourceGear, const MeshGear& target,
                        double depth, ModelPoint* points, int capacity) {
    static HalfTooth half;
    HalfToothOf(target, &half);
    const double pitch = kFullTurn / source.toothCount;
    const double toward = MeshDirection(source, target);
    int found = 0;
    for (int k = 0; k < source.toothCount && found < capacity; k++) {
        // Tooth k stands a quarter turn and k pitches clockwise from the x axis, turned.
        const double at = source.turn + kFullTurn / 4 - k * pitch;
        if (fabs(remainder(at - toward, kFullTurn)) > 2 * pitch) {
            continue;
        }
        const ToothRotation r = RotationOfTooth(k, source.toothCount);
        for (int i = 0; i < source.flank.count && found < capacity; i++) {
            const ModelPoint sides[2] = {RotatedPoint(source.flank.point[i], r),
                                         RotatedMirrorPoint(source.flank.point[i], r)};
            for (const ModelPoint& side : sides) {
                const ModelPoint p = PlacedPoint(side, sourceGear.placement);
                const OutlineDistance d = DistanceToHalfTooth(half, IntoHalfTooth(target, p), 0);
                if (d.signedDistance < -depth && found < capacity) {
                    points[found++] = p;
                }
            }
        }
    }
    return found;
}

int OverlapPoints(const GearPair& pair, double depth, ModelPoint* points, int capacity) {
    MeshGear gear;
    MeshGear mate;
    MeshGearOfGear(pair.gear, &gear);
    MeshGearOfGear(pair.mate, &mate);
    const int found = PointsInside(gear, pair.gear, mate, depth, points, capacity);
    return found + PointsInside(mate, pair.mate, gear, depth, points + found, capacity - found);
}
