#include "gear/working_mesh.h"

#include <cmath>

#include "gear/gear_data.h"

double Involute(double a) {
    return tan(a) - a;
}

double ToothSumOf(const PairTeeth& t) {
    return t.kind == kInternalPair ? t.z2 - t.z1 : t.z1 + t.z2;
}

double ShiftSumOf(const PairTeeth& t) {
    return t.kind == kInternalPair ? t.x2 - t.x1 : t.x1 + t.x2;
}

WorkingMesh TightMesh(const PairTeeth& t) {
    const double zs = ToothSumOf(t);
    const double xs = ShiftSumOf(t);
    WorkingMesh w = {};
    w.referenceCentreDistance = t.module * zs / 2;
    // Tooth and space (the ring's space for an internal pair) fill the working pitch exactly.
    w.invAlphaW = Involute(t.alpha) + 2 * tan(t.alpha) * xs / zs;
    w.exists = w.invAlphaW > 0;
    if (!w.exists) {
        return w;
    }
    w.alphaW = InverseInvolute(w.invAlphaW);
    w.centreDistance = w.referenceCentreDistance * cos(t.alpha) / cos(w.alphaW);
    w.centreDistanceModCoef = (w.centreDistance - w.referenceCentreDistance) / t.module;
    w.tightShift = xs;
    return w;
}

WorkingMesh MeshAtCentreDistance(const PairTeeth& t, double a) {
    const double zs = ToothSumOf(t);
    const double xs = ShiftSumOf(t);
    WorkingMesh w = {};
    w.referenceCentreDistance = t.module * zs / 2;
    w.centreDistance = a;
    // The base circles do not move: a cos(a_w) = a0 cos(a).
    const double cosAlphaW = w.referenceCentreDistance * cos(t.alpha) / a;
    w.exists = a > 0 && cosAlphaW < 1;
    if (!w.exists) {
        return w;
    }
    w.alphaW = acos(cosAlphaW);
    w.invAlphaW = Involute(w.alphaW);
    w.centreDistanceModCoef = (a - w.referenceCentreDistance) / t.module;
    w.tightShift = zs * (w.invAlphaW - Involute(t.alpha)) / (2 * tan(t.alpha));
    // j_n = m cos(a) [zs (inv a_w - inv a) - 2 xs tan(a)]: each unit of shift short of the
    // tight one opens 2 m sin(a). A longer centre distance pushes a pinion deeper into its
    // ring, so there the sign turns.
    const double opening = 2 * t.module * sin(t.alpha) * (w.tightShift - xs);
    w.normalBacklash = t.kind == kInternalPair ? -opening : opening;
    w.transverseBacklash = w.normalBacklash / cosAlphaW;
    return w;
}
