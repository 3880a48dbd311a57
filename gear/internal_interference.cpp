#include "gear/internal_interference.h"

#include <cmath>

#include "gear/working_mesh.h"
#include "gear/tooth_profile.h"

// acos, its argument held to [-1, 1] against rounding at the tangent positions.
static double ClampedAcos(double c) {
    return acos(fmax(-1.0, fmin(1.0, c)));
}

// The ring's tip must stay outside the pinion's interference point T1, where the line of
// action touches the pinion's base circle: z1 / z2 >= 1 - tan(a_a2) / tan(a_w).
static bool InvoluteInterference(double z1, double z2, double alphaA2, double alphaW) {
    return !(z1 / z2 >= 1 - tan(alphaA2) / tan(alphaW));
}

// asin(sqrt(s)), s held to [0, 1].
static double ClampedAsinSqrt(double s) {
    return asin(sqrt(fmax(0.0, fmin(1.0, s))));
}

// Leaving the mesh, the pinion's tip corner must clear the ring's tip corners where the two
// tip circles cross: theta1 z1 / z2 + inv a_w - inv a_a2 >= theta2. theta2 is the angle of
// the crossing seen from the ring's centre; theta1 the angle seen from the pinion's, carried
// to the tip corner by inv a_a1 - inv a_w.
static bool TrochoidInterference(double z1, double z2, double ra1, double ra2, double a,
                                 double alphaA1, double alphaA2, double alphaW) {
    const double theta1 = ClampedAcos((Square(ra2) - Square(ra1) - Square(a)) / (2 * a * ra1)) +
                          Involute(alphaA1) - Involute(alphaW);
    const double theta2 = ClampedAcos((Square(a) + Square(ra2) - Square(ra1)) / (2 * a * ra2));
    return !(theta1 * z1 / z2 + Involute(alphaW) - Involute(alphaA2) >= theta2);
}

// Slid along the line of centres, the pinion's tips must pass the ring's:
// theta1 + inv a_a1 - inv a_w >= (z2 / z1) (theta2 + inv a_a2 - inv a_w). A pinion whose
// tip circle does not fit inside the ring's cannot be slid out at all.
static bool TrimmingInterference(double z1, double z2, double ra1, double ra2, double alphaA1,
                                 double alphaA2, double alphaW) {
    if (!(ra1 < ra2)) {
        return true;
    }
    const double q = cos(alphaA1) / cos(alphaA2);
    const double theta1 = ClampedAsinSqrt((1 - Square(q)) / (1 - Square(z1 / z2)));
    const double theta2 = ClampedAsinSqrt((1 / Square(q) - 1) / (Square(z2 / z1) - 1));
    return !(theta1 + Involute(alphaA1) - Involute(alphaW) >=
             z2 / z1 * (theta2 + Involute(alphaA2) - Involute(alphaW)));
}

InternalInterference CheckInternalInterference(double z1, double z2, double da1, double da2,
                                               double db1, double db2, double a, double alphaW) {
    // The pressure angles at the tip circles.
    const double alphaA1 = ClampedAcos(db1 / da1);
    const double alphaA2 = ClampedAcos(db2 / da2);
    InternalInterference i;
    i.involute = InvoluteInterference(z1, z2, alphaA2, alphaW);
    i.trochoid = TrochoidInterference(z1, z2, da1 / 2, da2 / 2, a, alphaA1, alphaA2, alphaW);
    i.trimming = TrimmingInterference(z1, z2, da1 / 2, da2 / 2, alphaA1, alphaA2, alphaW);
    return i;
}
