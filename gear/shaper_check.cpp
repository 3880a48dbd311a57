#include "gear/shaper_check.h"

#include <cmath>

#include "gear/outline_check.h"
#include "gear/ring_trimming.h"
#include "gear/shaper_profile.h"

// How far the cutter rounding's centre must clear its limits, per module and per unit of the
// values involved: far above the rounding noise of the formulas, far below any design. The
// roots of neighbouring teeth stay apart by 4 times this many radians.
static const double kCentreMargin = 1e-9;

static ShaperProblem ProblemOf(ShaperRule rule, ShaperField field, double limit) {
    ShaperProblem problem;
    problem.rule = rule;
    problem.gearRule = kRuleAccepted;
    problem.gearField = kFieldNone;
    problem.field = field;
    problem.limit = limit;
    return problem;
}

static ShaperProblem GearProblemOf(ShaperRule rule, GearField field, double limit) {
    ShaperProblem problem = ProblemOf(rule, kShaperFieldNone, limit);
    problem.gearField = field;
    return problem;
}

static ShaperProblem FromGearRule(const ParameterProblem& gear) {
    ShaperProblem problem = GearProblemOf(kShaperGearRule, gear.field, gear.limit);
    problem.gearRule = gear.rule;
    return problem;
}

static ShaperProblem Accepted() {
    return ProblemOf(kShaperAccepted, kShaperFieldNone, 0);
}

// Where accepted turns false between an accepted value ok and a refused value bad: the
// first refused value, to the last bit (1100 halvings part any two doubles).
template <typename Accepted>
static double Boundary(double ok, double bad, Accepted accepted) {
    for (int step = 0; step < 1100; step++) {
        const double middle = ok + (bad - ok) / 2;
        if (middle == ok || middle == bad) {
            break;
        }
        if (accepted(middle)) {
            ok = middle;
        } else {
            bad = middle;
        }
    }
    return bad;
}

static ShaperProblem CheckCutterFields(const ShaperSetup& setup) {
    if (setup.cutterTeeth < 1 || setup.cutterTeeth > kMaxToothCount) {
        return ProblemOf(kShaperCutterTeethRange, kShaperFieldCutterTeeth, 0);
    }
    const double x0 = setup.cutterShiftCoef;
    if (!(x0 >= -kMaxMagnitude && x0 <= kMaxMagnitude)) {
        return ProblemOf(kShaperCutterShiftMagnitude, kShaperFieldCutterShift, 0);
    }
    return Accepted();
}

// The tip circle, and the cutter's rounding against its base circle; the ring has more
// teeth than its cutter, and the two mesh.
static ShaperProblem CheckCircles(const GearParameters& p, const ShaperSetup& setup) {
    const double z = p.toothCount;
    const double z0 = setup.cutterTeeth;
    const double x = p.profileShiftCoef;
    const double x0 = setup.cutterShiftCoef;
    const double ha = p.addendumCoef;
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    // In multiples of m/2: the tip diameter z +- 2 ha + 2 x, the base diameter z cos(alpha).
    if (!setup.ring && !(z + 2 * ha + 2 * x > 0)) {
        return FromGearRule(ParameterProblemOf(kRuleTipRadius, kFieldAddendum, -z / 2 - x));
    }
    if (!setup.ring && z + 2 * ha + 2 * x < z * cos(alpha)) {
        return FromGearRule(ParameterProblemOf(kRuleTipInsideBaseCircle, kFieldAddendum,
                                               (z * cos(alpha) - z) / 2 - x));
    }
    if (setup.ring && z - 2 * ha + 2 * x < z * cos(alpha)) {
        return GearProblemOf(kShaperRingTipInsideBaseCircle, kFieldAddendum,
                             (z - z * cos(alpha)) / 2 + x);
    }
    // The rounding's centre, z0/2 + hf + x0 - rho, on or outside the base circle.
    const double roundingReach = p.dedendumCoef - p.toolTipRadiusCoef;
    if (z0 / 2 + roundingReach + x0 < z0 / 2 * cos(alpha)) {
        return ProblemOf(kShaperRoundingInsideCutterBase, kShaperFieldCutterShift,
                         z0 / 2 * (cos(alpha) - 1) - roundingReach);
    }
    if (setup.ring && !(z > z0)) {
        return GearProblemOf(kShaperRingTrimmed, kFieldToothCount, LeastRingTeeth(p, setup));
    }
    if (!(CuttingPressureAngle(p, setup) > 0)) {
        // inv a_w0 = 0 where x +- x0 = -(z +- z0) inv(a) / (2 tan a).
        const double s = setup.ring ? -1 : 1;
        const double invAlpha = tan(alpha) - alpha;
        const double sum = -(z + s * z0) * invAlpha / (2 * tan(alpha));
        return ProblemOf(kShaperNoCuttingMesh, kShaperFieldCutterShift, s * (sum - x));
    }
    return Accepted();
}

// The depth the cutter cuts: the rounding's centre beyond the cutter's rolling circle, so
// the fillet starts on the root circle; a root circle above 0 and on the far side of the
// tip circle.
static ShaperProblem CheckDepth(const GearParameters& p, const ShaperSetup& setup,
                                const ShaperCutting& c) {
    const double m = p.module;
    const double z0 = setup.cutterTeeth;
    const double x0 = setup.cutterShiftCoef;
    const double rho = p.toolTipRadiusCoef;
    // In modules: the cutter's rolling circle, and the dedendum that puts the rounding's
    // centre on it.
    const double rolling = c.cutterBaseRadius / cos(c.pressureAngle) / m;
    const double onRolling = rolling + rho - z0 / 2 - x0;
    const double margin =
        kCentreMargin * (1 + z0 + std::fabs(p.dedendumCoef) + std::fabs(x0) + rho);
    if (!(p.dedendumCoef > onRolling + margin)) {
        return GearProblemOf(kShaperRoundingInsidePitchCircle, kFieldDedendum, onRolling + margin);
    }
    if (!setup.ring && !(c.rootRadius > 0)) {
        return FromGearRule(ParameterProblemOf(kRuleRootRadius, kFieldDedendum,
                                               c.centreDistance / m - z0 / 2 - x0));
    }
    // The root circle lies beyond the tip circle: s (r_a - r_f) > 0, r_f = a0 - s r_a0.
    if (!(c.sense * (c.tipRadius - c.rootRadius) > 0)) {
        const double shallowest = c.sense * (c.centreDistance - c.tipRadius) / m - z0 / 2 - x0;
        return FromGearRule(ParameterProblemOf(kRuleToothDepth, kFieldDedendum, shallowest));
    }
    return Accepted();
}

// The roots of neighbouring teeth stay apart: 2 gamma z0 / z, with gamma the rounding
// centre's angle from its cutter tooth's middle line, exceeds the script's narrower last
// gap and prints apart on the root circle. Where no rounding would print apart, the check
// of the outline names the module.
static ShaperProblem CheckRootGap(const GearParameters& p, const ShaperSetup& setup,
                                  const ShaperCutting& c) {
    const double z = p.toothCount;
    const double z0 = setup.cutterTeeth;
    const double x0 = setup.cutterShiftCoef;
    const double hf = p.dedendumCoef;
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    const auto gap = [&](double rho, double dedendum) {
        return 2 * CutterRoundingAngle(z0, x0, dedendum, rho, alpha) * z0 / z;
    };
    const double largest = std::fmax(c.rootRadius, c.tipRadius);
    const double printedApart = (kDistinctAtSixDecimals + kRotationNoise * largest) / c.rootRadius;
    double required = kScriptTurnExcess + std::fmax(4 * kCentreMargin, printedApart);
    if (!(gap(0, hf) > required)) {
        required = kScriptTurnExcess + 4 * kCentreMargin;
    }
    if (gap(p.toolTipRadiusCoef, hf) > required) {
        return Accepted();
    }
    if (gap(0, hf) > required) {
        const double rho =
            Boundary(0, p.toolTipRadiusCoef, [&](double v) { return gap(v, hf) > required; });
        return GearProblemOf(kShaperRoundingTooWide, kFieldToolTipRadius, rho);
    }
    // Below this dedendum even a sharp tip would lie inside the cutter's base circle.
    const double shallowest = z0 / 2 * (cos(alpha) - 1) - x0;
    const double dedendum =
        Boundary(shallowest, hf, [&](double v) { return gap(0, v) > required; });
    return GearProblemOf(kShaperCutterPointed, kFieldDedendum, dedendum);
}

static ShaperProblem CheckRing(const GearParameters& p, const ShaperSetup& setup,
                               const ShaperCutting& c) {
    if (!RingCutWithoutTrimming(p, setup)) {
        return GearProblemOf(kShaperRingTrimmed, kFieldToothCount, LeastRingTeeth(p, setup));
    }
    if (!(setup.rimDiameter > 2 * c.rootRadius) || !std::isfinite(setup.rimDiameter)) {
        return ProblemOf(kShaperRimInsideRoot, kShaperFieldRimDiameter, 2 * c.rootRadius);
    }
    if (!(setup.rimDiameter <= kRimRootRatio * 2 * c.rootRadius)) {
        return ProblemOf(kShaperRimTooLarge, kShaperFieldRimDiameter,
                         kRimRootRatio * 2 * c.rootRadius);
    }
    return Accepted();
}

static bool ProfileIsFinite(const GearGeometry& geometry, const ToothProfile& profile, int last) {
    if (!std::isfinite(geometry.tipRadius) || !std::isfinite(geometry.rootRadius)) {
        return false;
    }
    for (int i = 0; i <= last; i++) {
        if (!std::isfinite(profile.profileX[i]) || !std::isfinite(profile.profileY[i])) {
            return false;
        }
    }
    return true;
}

static ShaperProblem CheckProfile(const GearParameters& p, const ShaperSetup& setup) {
    GearGeometry geometry;
    ToothProfile profile;
    ComputeShaperProfileOf(p, setup, &geometry, &profile);
    const int last = p.filletDivisions + p.involuteDivisions;
    if (!ProfileIsFinite(geometry, profile, last)) {
        return FromGearRule(ParameterProblemOf(kRuleNotComputable, kFieldModule, 0));
    }
    // The flanks of a pointed tooth cross before the tip circle: the left flank's tip point
    // then lies on or right of the centre line.
    if (!(profile.profileX[last] < 0)) {
        return FromGearRule(ParameterProblemOf(kRulePointedTooth, kFieldAddendum, 0));
    }
    const ParameterProblem outline = setup.ring ? CheckRingOutline(p, geometry, profile)
                                                : CheckGeneratedOutline(p, geometry, profile);
    return outline.rule == kRuleAccepted ? Accepted() : FromGearRule(outline);
}

ShaperProblem CheckShaperCut(const GearParameters& p, const ShaperSetup& setup) {
    const ParameterProblem fields = CheckGearFields(p);
    if (fields.rule != kRuleAccepted) {
        return FromGearRule(fields);
    }
    ShaperProblem problem = CheckCutterFields(setup);
    if (problem.rule != kShaperAccepted) {
        return problem;
    }
    problem = CheckCircles(p, setup);
    if (problem.rule != kShaperAccepted) {
        return problem;
    }
    const ShaperCutting c = ComputeShaperCutting(p, setup);
    problem = CheckDepth(p, setup, c);
    if (problem.rule != kShaperAccepted) {
        return problem;
    }
    problem = CheckRootGap(p, setup, c);
    if (problem.rule != kShaperAccepted) {
        return problem;
    }
    if (setup.ring) {
        problem = CheckRing(p, setup, c);
        if (problem.rule != kShaperAccepted) {
            return problem;
        }
    }
    return CheckProfile(p, setup);
}
