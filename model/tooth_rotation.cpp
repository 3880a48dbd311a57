#include "model/tooth_rotation.h"

#include <cmath>

ToothRotation RotationOfTooth(int k, int n) {
    const double theta = (k * -6.283185308) / n;
    ToothRotation r;
    r.c = cos(theta);
    r.s = sin(theta);
    return r;
}

ModelPoint StoredPoint(const ToothProfile& profile, int i, ToothRotation r) {
    const double x = profile.profileX[i];
    const double y = profile.profileY[i];
    ModelPoint p;
    p.x = r.c * x - r.s * y;
    p.y = r.c * y + r.s * x;
    return p;
}

ModelPoint MirroredPoint(const ToothProfile& profile, int i, ToothRotation r) {
    const double x = profile.profileX[i];
    const double y = profile.profileY[i];
    ModelPoint p;
    p.x = r.c * (-x) - r.s * y;
    p.y = r.c * y - r.s * x;
    return p;
}
