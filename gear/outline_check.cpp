#include "gear/outline_check.h"

#include <cmath>

#include "gear/gear_limits.h"
#include "gear/gear_outline.h"

// "On a circle" and "between the circles" hold to this fraction of the outer circle's
// radius: an external gear's tip circle, a ring's root circle.
static const double kOnCircle = 1e-9;

static double RadiusAt(const ToothProfile& profile, int i) {
    return std::hypot(profile.profileX[i], profile.profileY[i]);
}

static double Distance(ModelPoint a, ModelPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The index from which the involute only climbs to the tip: undercut turns it back at the
// base circle once, so its radius may fall from the fillet's end before it rises.
static int TurnOfInvolute(const ToothProfile& profile, int nF, int last) {
    int turn = nF;
    while (turn < last && RadiusAt(profile, turn + 1) <= RadiusAt(profile, turn)) {
        turn++;
    }
    return turn;
}

// Whether the radius only moves toward the tip circle from point first: it rises on an
// external gear (sense 1) and falls on a ring (sense -1).
static bool HeadsForTheTip(const ToothProfile& profile, int first, int last, double sense) {
    for (int i = first; i < last; i++) {
        if (!(sense * (RadiusAt(profile, i + 1) - RadiusAt(profile, i)) > 0)) {
            return false;
        }
    }
    return true;
}

// Where point i of the left flank stands: left of the tooth's centre line and not past
// the middle of the gap, half a pitch to the left.
static bool InOwnHalfPitch(const ToothProfile& profile, int i, int n) {
    const double x = profile.profileX[i];
    return x < 0 && std::atan2(x, profile.profileY[i]) >= -kFullTurn / 2 / n;
}

// The profile inside its half pitch and between the circles. The involute above its turn
// leaving the half pitch means the flanks crossed below the tip: a pointed tooth. The
// fillet and the undercut doing so, or looping out past the tip circle, mean that the
// undercut has cut through this tooth or into the next. A ring's circles lie the other way
// round (its root circle outside) and its involute has no undercut branch: it only falls
// from the fillet's end to the tip.
static ParameterProblem CheckProfile(const GearParameters& p, const GearGeometry& g,
                                     const ToothProfile& profile, bool ring) {
    const int nF = p.filletDivisions;
    const int last = nF + p.involuteDivisions;
    const int n = p.toothCount;
    const double outer = ring ? g.rootRadius : g.tipRadius;
    const double inner = ring ? g.tipRadius : g.rootRadius;
    const double tolerance = kOnCircle * outer;
    if (!(std::fabs(RadiusAt(profile, 0) - g.rootRadius) <= tolerance &&
          std::fabs(RadiusAt(profile, last) - g.tipRadius) <= tolerance)) {
        return ParameterProblemOf(kRuleProfileOffCircles, kFieldPressureAngle, 0);
    }
    const int turn = ring ? nF : TurnOfInvolute(profile, nF, last);
    for (int i = turn; i <= last; i++) {
        if (!InOwnHalfPitch(profile, i, n)) {
            return ParameterProblemOf(kRulePointedTooth, kFieldAddendum, 0);
        }
    }
    for (int i = 0; i < turn; i++) {
        if (!(profile.profileX[i] < 0)) {
            return ParameterProblemOf(kRuleFlankCrossesCentreLine, kFieldToothCount, 0);
        }
        if (!InOwnHalfPitch(profile, i, n)) {
            return ParameterProblemOf(kRuleFlankEntersNeighbour, kFieldToothCount, 0);
        }
    }
    for (int i = 0; i <= last; i++) {
        const double r = RadiusAt(profile, i);
        if (!(r >= inner - tolerance && r <= outer + tolerance)) {
            return ParameterProblemOf(kRuleProfileBeyondTip, kFieldPressureAngle, 0);
        }
    }
    if (!HeadsForTheTip(profile, turn, last, ring ? -1 : 1)) {
        return ParameterProblemOf(kRuleInvoluteTurnsBack, kFieldPressureAngle, 0);
    }
    return ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
}

// What the walk of the whole outline finds on its tip and gap arcs, placed exactly as the
// script places them: the closing gap is the narrowest (kScriptTurnExcess).
struct ArcScan {
    double pitch;
    bool tooWide;
    double nearest;  // the shortest chord between an arc's ends
};

static void SkipFlank(void*, int, bool, const ModelPoint*, int) {}

static void MeasureArc(void* context, OutlineArc, ModelPoint start, ModelPoint end) {
    ArcScan* scan = static_cast<ArcScan*>(context);
    const double sweep = ArcSweep({0, 0}, start, end);
    if (!(sweep > 0 && sweep < scan->pitch)) {
        scan->tooWide = true;
    }
    scan->nearest = std::fmin(scan->nearest, Distance(start, end));
}

// Rounds the smallest module up to three significant digits, so the printed value passes.
static double RoundedUp(double v) {
    if (!(v > 0) || !std::isfinite(v)) {
        return v;
    }
    const double unit = std::pow(10.0, std::floor(std::log10(v)) - 2);
    return std::ceil(v / unit * (1 + 1e-12)) * unit;
}

// The walk of the whole outline: whether an arc sweeps a pitch or more, and the shortest
// distance between neighbouring points, arc ends included.
static ArcScan ScanOutline(const GearParameters& p, const ToothProfile& profile) {
    const int last = p.filletDivisions + p.involuteDivisions;
    FlankPoints flank;
    GeneratedFlank(profile, last, &flank);
    ArcScan scan = {kFullTurn / p.toothCount, false, HUGE_VAL};
    WalkGearOutline(flank, p.toothCount, {{0, 0}, 0}, {&scan, SkipFlank, MeasureArc});
    for (int i = 0; i < last; i++) {
        scan.nearest = std::fmin(scan.nearest, Distance(flank.point[i], flank.point[i + 1]));
    }
    return scan;
}

// All distances scale with the module: the one that parts the nearest two points by
// kDistinctAtSixDecimals, noise allowed for, is the smallest module the divisions allow.
static double SmallestModule(const ArcScan& scan, double module, double tipRadius) {
    const double perModule = (scan.nearest - kRotationNoise * tipRadius) / module;
    return perModule > 0 ? RoundedUp(kDistinctAtSixDecimals / perModule) : HUGE_VAL;
}

double LeastPrintableModule(const GearParameters& p, const GearGeometry& geometry,
                            const ToothProfile& profile) {
    return SmallestModule(ScanOutline(p, profile), p.module, geometry.tipRadius);
}

// Every arc sweeps less than a pitch, and every pair of neighbouring points of the
// outline, arc ends included, prints as two different points. The rounding of turned points
// grows with the outline's largest radius, outerRadius.
static ParameterProblem CheckWalkedOutline(const GearParameters& p, double outerRadius,
                                           const ToothProfile& profile) {
    const ArcScan scan = ScanOutline(p, profile);
    if (scan.tooWide) {
        return ParameterProblemOf(kRuleArcTooWide, kFieldAddendum, 0);
    }
    if (!(scan.nearest > kDistinctAtSixDecimals + kRotationNoise * outerRadius)) {
        const double smallest = SmallestModule(scan, p.module, outerRadius);
        if (!(smallest <= kMaxMagnitude)) {
            return ParameterProblemOf(kRulePointsCoincide, kFieldInvoluteDivisions, 0);
        }
        return ParameterProblemOf(kRuleModuleTooSmall, kFieldModule, smallest);
    }
    return ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
}

ParameterProblem CheckGeneratedOutline(const GearParameters& p, const GearGeometry& geometry,
                                       const ToothProfile& profile) {
    const ParameterProblem problem = CheckProfile(p, geometry, profile, false);
    if (problem.rule != kRuleAccepted) {
        return problem;
    }
    return CheckWalkedOutline(p, geometry.tipRadius, profile);
}

ParameterProblem CheckRingOutline(const GearParameters& p, const GearGeometry& geometry,
                                  const ToothProfile& profile) {
    const ParameterProblem problem = CheckProfile(p, geometry, profile, true);
    if (problem.rule != kRuleAccepted) {
        return problem;
    }
    return CheckWalkedOutline(p, geometry.rootRadius, profile);
}
