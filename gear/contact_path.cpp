#include "gear/contact_path.h"

#include <cmath>

#include "gear/tooth_profile.h"

// Distance along the line of action from the tangent point on the base circle to the circle
// of this diameter; negative inside the base circle.
static double RollLength(double baseDiameter, double diameter) {
    const double s = Square(diameter) - Square(baseDiameter);
    return s >= 0 ? sqrt(s) / 2 : -sqrt(-s) / 2;
}

// The diameter of the point this far from the tangent point; the base circle for a point
// beyond it, where no involute reaches.
static double DiameterAt(double baseDiameter, double u) {
    return u > 0 ? 2 * sqrt(Square(baseDiameter / 2) + Square(u)) : baseDiameter;
}

// The mate's distance from its own tangent point T2 at gear 1's distance u from T1, and back:
// the two tangent points lie L = a sin(a_w) apart, on either side of the pitch point for an
// external pair and on the same side for an internal one.
static double MateRoll(PairKind kind, double L, double u) {
    return kind == kInternalPair ? u + L : L - u;
}

static double RollOfMate(PairKind kind, double L, double v) {
    return kind == kInternalPair ? v - L : L - v;
}

ContactPath ComputeContactPath(PairKind kind, const ContactCircles& gear1,
                               const ContactCircles& gear2, double a, double alphaW,
                               double basePitch) {
    const double L = a * sin(alphaW);
    // u: distance from T1 toward the pitch point. Gear 1's flank is involute from uF1 to its
    // tip uE; the mate's from its tip uA to its form circle uF2.
    const double uE = RollLength(gear1.baseDiameter, gear1.tipDiameter);
    const double uF1 = RollLength(gear1.baseDiameter, gear1.formDiameter);
    const double uA = RollOfMate(kind, L, RollLength(gear2.baseDiameter, gear2.tipDiameter));
    const double uF2 = RollOfMate(kind, L, RollLength(gear2.baseDiameter, gear2.formDiameter));
    ContactPath c;
    c.length = uE - uA;
    c.contactRatio = c.length / basePitch;
    const double usable = fmin(uE, uF2) - fmax(uA, uF1);
    c.usableContactRatio = usable > 0 ? usable / basePitch : 0;
    c.activeStart1 = DiameterAt(gear1.baseDiameter, uA);
    c.activeStart2 = DiameterAt(gear2.baseDiameter, MateRoll(kind, L, uE));
    c.offForm1 = uA < uF1;
    c.offForm2 = uE > uF2;
    return c;
}
