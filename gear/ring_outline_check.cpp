#include "gear/ring_outline_check.h"

#include <cmath>

#include "gear/gear_outline.h"
#include "gear/outline_check.h"

// "On a circle" and "inside the ring of teeth" hold to this fraction of the root radius.
static const double kOnCircle = 1e-9;

static double RadiusAt(const ToothProfile& profile, int i) {
    return std::hypot(profile.profileX[i], profile.profileY[i]);
}

// Left of the tooth's centre line and not past the middle of the space, half a pitch left.
static bool InOwnHalfPitch(const ToothProfile& profile, int i, int n) {
    const double x = profile.profileX[i];
    return x < 0 && std::atan2(x, profile.profileY[i]) >= -kFullTurn / 2 / n;
}

// A ring's involute has no undercut branch: from the fillet's end it only falls to the tip.
static bool FallsFrom(const ToothProfile& profile, int first, int last) {
    for (int i = first; i < last; i++) {
        if (!(RadiusAt(profile, i + 1) < RadiusAt(profile, i))) {
            return false;
        }
    }
    return true;
}

static ParameterProblem CheckRingProfile(const GearParameters& p, const GearGeometry& g,
                                         const ToothProfile& profile) {
    const int nF = p.filletDivisions;
    const int last = nF + p.involuteDivisions;
    const int n = p.toothCount;
    const double tolerance = kOnCircle * g.rootRadius;
    if (!(std::fabs(RadiusAt(profile, 0) - g.rootRadius) <= tolerance &&
          std::fabs(RadiusAt(profile, last) - g.tipRadius) <= tolerance)) {
        return ParameterProblemOf(kRuleProfileOffCircles, kFieldPressureAngle, 0);
    }
    // The involute leaving its half pitch means the flanks crossed before the tip circle.
    for (int i = nF; i <= last; i++) {
        if (!InOwnHalfPitch(profile, i, n)) {
            return ParameterProblemOf(kRulePointedTooth, kFieldAddendum, 0);
        }
    }
    for (int i = 0; i < nF; i++) {
        if (!(profile.profileX[i] < 0)) {
            return ParameterProblemOf(kRuleFlankCrossesCentreLine, kFieldToothCount, 0);
        }
        if (!InOwnHalfPitch(profile, i, n)) {
            return ParameterProblemOf(kRuleFlankEntersNeighbour, kFieldToothCount, 0);
        }
    }
    for (int i = 0; i <= last; i++) {
        const double r = RadiusAt(profile, i);
        if (!(r >= g.tipRadius - tolerance && r <= g.rootRadius + tolerance)) {
            return ParameterProblemOf(kRuleProfileBeyondTip, kFieldPressureAngle, 0);
        }
    }
    if (!FallsFrom(profile, nF, last)) {
        return ParameterProblemOf(kRuleInvoluteTurnsBack, kFieldPressureAngle, 0);
    }
    return ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
}

ParameterProblem CheckRingOutline(const GearParameters& p, const GearGeometry& geometry,
                                  const ToothProfile& profile) {
    const ParameterProblem problem = CheckRingProfile(p, geometry, profile);
    if (problem.rule != kRuleAccepted) {
        return problem;
    }
    // The walk allows for the rounding of turned points by the outline's largest radius,
    // which it takes from the tip circle: a ring's largest is its root circle.
    GearGeometry outer = geometry;
    outer.tipRadius = geometry.rootRadius;
    return CheckWalkedOutline(p, outer, profile);
}
