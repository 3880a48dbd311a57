#include "gear/tooth_rotation.h"

#include <cmath>

ToothRotation RotationOfTooth(int k, int n) {
    const double theta = (k * -kToothTurn) / n;
    ToothRotation r;
    r.c = cos(theta);
    r.s = sin(theta);
    return r;
}

ModelPoint StoredPoint(const ToothProfile& profile, int i, ToothRotation r) {
    const ModelPoint p = {profile.profileX[i], profile.profileY[i]};
    return RotatedPoint(p, r);
}

ModelPoint MirroredPoint(const ToothProfile& profile, int i, ToothRotation r) {
    const ModelPoint p = {profile.profileX[i], profile.profileY[i]};
    return RotatedMirrorPoint(p, r);
}
