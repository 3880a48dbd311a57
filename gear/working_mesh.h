// Where a gear pair runs: the working pressure angle, the centre distance and the backlash of
// a gear with its mate, from the two tooth counts and profile shifts (ISO 21771, DIN 3960; an
// internal pair as KHK's and SDP/SI's tables count it). Plain numbers in and out. No platform
// types.
//
// Does not: check the gears (CheckGearParameters does), follow the contact along the line of
// action (contact_path.h).
#pragma once

enum PairKind {
    kExternalPair,  // two external gears, turning in opposite senses
    kInternalPair,  // an external pinion (gear 1) inside a ring (gear 2), turning alike
};

// The teeth of a pair as the formulas see them. In an internal pair a positive x2 moves the
// ring's profile outward: its spaces widen, its tip and root circles grow.
struct PairTeeth {
    PairKind kind;
    double z1;
    double x1;
    double z2;
    double x2;
    double module;  // m
    double alpha;   // the cutter's pressure angle, radians
};

struct WorkingMesh {
    bool exists;                     // false: no working pressure angle
    double referenceCentreDistance;  // a0 = m (z2 + z1) / 2, internal m (z2 - z1) / 2
    double centreDistance;           // a
    double alphaW;                   // working pressure angle, radians
    double invAlphaW;                // inv a_w
    double centreDistanceModCoef;    // y = (a - a0) / m
    double tightShift;               // x1 + x2 (internal x2 - x1) that runs tight at a
    double normalBacklash;           // j_n, along the line of action
    double transverseBacklash;       // j_t = j_n / cos a_w, an arc on the working pitch circles
};

// The involute function tan(a) - a.
double Involute(double a);

// z1 + z2, or z2 - z1 for an internal pair: the teeth the centre distance spans.
double ToothSumOf(const PairTeeth& t);

// x1 + x2, or x2 - x1 for an internal pair: the shift the working pressure angle follows.
double ShiftSumOf(const PairTeeth& t);

// The pair without backlash. Does not exist when inv a_w would be 0 or less.
WorkingMesh TightMesh(const PairTeeth& t);

// The pair at centre distance a: its backlash and the shift that would run tight there.
// Does not exist when a0 cos(a) / a is 1 or more. A negative backlash is returned as such.
WorkingMesh MeshAtCentreDistance(const PairTeeth& t, double a);
