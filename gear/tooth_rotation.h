// The points of tooth k: the profile turned clockwise about the gear centre by k pitches.
// Shared by the whole-gear drawing and the script so that both place the teeth alike.
#pragma once

#include "gear/tooth_profile.h"

struct ToothRotation {
    double c;  // cosine of the tooth's angle
    double s;  // sine
};

// Tooth k of n: the angle is k times -kToothTurn, then divided by n.
ToothRotation RotationOfTooth(int k, int n);

// A point of the stored (left) flank, turned with the tooth. Inline: the whole-gear walk
// turns millions of points.
inline ModelPoint RotatedPoint(ModelPoint p, ToothRotation r) {
    ModelPoint q;
    q.x = r.c * p.x - r.s * p.y;
    q.y = r.c * p.y + r.s * p.x;
    return q;
}

// The mirror image (-x, y) of a point of the stored flank, turned with the tooth: a point
// of the right flank.
inline ModelPoint RotatedMirrorPoint(ModelPoint p, ToothRotation r) {
    ModelPoint q;
    q.x = r.c * (-p.x) - r.s * p.y;
    q.y = r.c * p.y - r.s * p.x;
    return q;
}

// Point i of the stored (left) flank of the rotated tooth.
ModelPoint StoredPoint(const ToothProfile& profile, int i, ToothRotation r);

// Point i of the mirrored (right) flank: the rotation of (-x, y).
ModelPoint MirroredPoint(const ToothProfile& profile, int i, ToothRotation r);
