#include "gear/parameter_check.h"

#include <cmath>

#include "gear/outline_check.h"
#include "gear/tooth_profile.h"

// How far the cutter rounding's centre must stay inside its limits: below the pitch line by
// this many modules (per unit of the coefficients), and inside the cutter tooth so that
// the gap between neighbouring roots stays open by 4 times this many radians. Far above the
// rounding noise of the formulas (1e-16) and of the script's full turn (8.2e-10 radians in
// all), far below anything a gear is designed with.
static const double kCentreMargin = 1e-9;

// Half the cutter's pitch in modules: the middle of the cutter tooth, where the rounding's
// centre may not reach.
static const double kHalfCutterPitch = kHalfPi;

// Written so that a NaN fails too.
static bool WithinMagnitude(double v) {
    return v >= -kMaxMagnitude && v <= kMaxMagnitude;
}

// Each field on its own, in the order of the dialog.
ParameterProblem CheckGearFields(const GearParameters& p) {
    if (p.toothCount < 1 || p.toothCount > kMaxToothCount) {
        return ParameterProblemOf(kRuleToothCountRange, kFieldToothCount, 0);
    }
    if (!WithinMagnitude(p.module)) {
        return ParameterProblemOf(kRuleMagnitude, kFieldModule, 0);
    }
    if (!(p.module > 0)) {
        return ParameterProblemOf(kRuleModulePositive, kFieldModule, 0);
    }
    if (!(p.pressureAngleDeg > 0 && p.pressureAngleDeg < kRightAngleDeg)) {
        return ParameterProblemOf(kRulePressureAngleRange, kFieldPressureAngle, 0);
    }
    if (!WithinMagnitude(p.profileShiftCoef)) {
        return ParameterProblemOf(kRuleMagnitude, kFieldProfileShift, 0);
    }
    if (!WithinMagnitude(p.addendumCoef)) {
        return ParameterProblemOf(kRuleMagnitude, kFieldAddendum, 0);
    }
    if (!WithinMagnitude(p.dedendumCoef)) {
        return ParameterProblemOf(kRuleMagnitude, kFieldDedendum, 0);
    }
    if (!WithinMagnitude(p.toolTipRadiusCoef)) {
        return ParameterProblemOf(kRuleMagnitude, kFieldToolTipRadius, 0);
    }
    if (p.toolTipRadiusCoef < 0) {
        return ParameterProblemOf(kRuleToolTipRadiusNegative, kFieldToolTipRadius, 0);
    }
    if (p.involuteDivisions < 1 || p.involuteDivisions > kMaxInvoluteDivisions) {
        return ParameterProblemOf(kRuleInvoluteDivisionsRange, kFieldInvoluteDivisions, 0);
    }
    if (p.filletDivisions < 1 || p.filletDivisions > kMaxFilletDivisions) {
        return ParameterProblemOf(kRuleFilletDivisionsRange, kFieldFilletDivisions, 0);
    }
    return ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
}

// The largest tip radius coefficient that keeps the rounding's centre margin (in modules)
// inside the middle of the cutter tooth.
static double LargestRounding(double margin, double hf, double alpha) {
    return (kHalfCutterPitch - margin - kProfileQuarterPi - hf * tan(alpha)) /
           (1 / cos(alpha) - tan(alpha));
}

// The fields together: the circles and the cutter must make a tooth at all.
static ParameterProblem CheckCircles(const GearParameters& p) {
    const double z = p.toothCount;
    const double x = p.profileShiftCoef;
    const double ha = p.addendumCoef;
    const double hf = p.dedendumCoef;
    const double rho = p.toolTipRadiusCoef;
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    if (!(ha + hf > 0)) {
        return ParameterProblemOf(kRuleToothDepth, kFieldDedendum, -ha);
    }
    // In multiples of m/2: tip diameter z + 2(ha + x), base diameter z cos(alpha).
    if (!(z + 2 * ha + 2 * x > 0)) {
        return ParameterProblemOf(kRuleTipRadius, kFieldAddendum, -z / 2 - x);
    }
    if (z + 2 * ha + 2 * x < z * cos(alpha)) {
        return ParameterProblemOf(kRuleTipInsideBaseCircle, kFieldAddendum,
                                  (z * cos(alpha) - z) / 2 - x);
    }
    if (!(z / 2 + x - hf > 0)) {
        return ParameterProblemOf(kRuleRootRadius, kFieldDedendum, z / 2 + x);
    }
    // The fillet starts on the root circle only while the rounding's centre stays below
    // the line on which the pitch circle rolls. Clearly below: at the root point the
    // fillet's normal is the ray from the pitch point through the centre, and with the
    // centre within rounding noise of that line the ray points anywhere (a shift of
    // 0.9999999999999999 with the defaults put point 0 0.28 off the root circle).
    const double belowPitchLine = kCentreMargin * (1 + std::fabs(hf) + std::fabs(x) + rho);
    if (!((rho - hf) + x < -belowPitchLine)) {
        return ParameterProblemOf(kRuleRoundingAbovePitchLine, kFieldProfileShift, hf - rho);
    }
    // Past the middle of the cutter tooth the roundings of its two flanks overlap, and the
    // root points of neighbouring gear teeth cross. Clearly inside: the gap between them,
    // 4 (pi/2 - |cx|) / z, narrowed in the script's last gap by kScriptTurnExcess, must
    // stay open by more than the formulas' rounding, and its arc's ends print apart. Where
    // no rounding at all would let them print apart, the module is too small: the check
    // of the outline says so.
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    const double rootRadius = p.module * (z / 2 + x - hf);
    const double tipRadius = p.module * (z / 2 + x + ha);
    const double printedApart = (kDistinctAtSixDecimals + kRotationNoise * tipRadius) / rootRadius;
    const double noise = 1e-15 * (std::fabs((hf - rho) * tan(alpha)) + rho / cos(alpha));
    double insideTooth =
        z / 4 * (kScriptTurnExcess + std::fmax(4 * kCentreMargin, printedApart)) + noise;
    if (LargestRounding(insideTooth, hf, alpha) < 0) {
        insideTooth = z / 4 * (kScriptTurnExcess + 4 * kCentreMargin) + noise;
    }
    if (!(std::fabs(g.cx) < kHalfCutterPitch - insideTooth)) {
        const double largest = LargestRounding(insideTooth, hf, alpha);
        if (largest < 0) {
            // Even a sharp cutter tip is wider than the middle of the cutter tooth: its
            // flanks, hf deep, meet above the tip line. Only a smaller dedendum helps.
            return ParameterProblemOf(
                kRuleCutterToothTooDeep, kFieldDedendum,
                (kHalfCutterPitch - insideTooth - kProfileQuarterPi) / tan(alpha));
        }
        return ParameterProblemOf(kRuleRoundingTooWide, kFieldToolTipRadius, largest);
    }
    return ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
}

static bool ProfileIsFinite(const GearGeometry& geometry, const ToothProfile& profile, int last) {
    if (!std::isfinite(geometry.pitchRadius) || !std::isfinite(geometry.tipRadius) ||
        !std::isfinite(geometry.rootRadius)) {
        return false;
    }
    for (int i = 0; i <= last; i++) {
        if (!std::isfinite(profile.profileX[i]) || !std::isfinite(profile.profileY[i])) {
            return false;
        }
    }
    return true;
}

// The rules on the profile as computed for p: finite, not pointed, a sound outline.
static ParameterProblem CheckComputedProfile(const GearParameters& p, GearGeometry* geometry,
                                             ToothProfile* profile) {
    ComputeProfileOf(p, geometry, profile);
    const int last = p.filletDivisions + p.involuteDivisions;
    if (!ProfileIsFinite(*geometry, *profile, last)) {
        return ParameterProblemOf(kRuleNotComputable, kFieldModule, 0);
    }
    // The flanks of a pointed tooth cross below the tip circle: the left flank's tip point
    // then lies on or right of the centre line.
    if (!(profile->profileX[last] < 0)) {
        return ParameterProblemOf(kRulePointedTooth, kFieldAddendum, 0);
    }
    return CheckGeneratedOutline(p, *geometry, *profile);
}

ParameterProblem CheckGearParameters(const GearParameters& p) {
    ParameterProblem problem = CheckGearFields(p);
    if (problem.rule != kRuleAccepted) {
        return problem;
    }
    problem = CheckCircles(p);
    if (problem.rule != kRuleAccepted) {
        return problem;
    }
    GearGeometry geometry;
    ToothProfile profile;
    problem = CheckComputedProfile(p, &geometry, &profile);
    if (problem.rule == kRuleAccepted || !(p.module < 1)) {
        return problem;
    }
    // The tooth's shape scales with the module, and every rule but the printing one with
    // it; the arithmetic does not. Far below the least printable module the coordinates
    // sink into the last bits of a double (or below), and the rules judge that noise: a
    // module of 1e-300 made the arcs sweep a pitch, 4.9e-324 the tooth pointed. At module
    // 1 the same shape is computed soundly: a fault it has is the gear's; a sound one
    // needs no more than the least printable module.
    GearParameters unit = p;
    unit.module = 1;
    const ParameterProblem atUnit = CheckComputedProfile(unit, &geometry, &profile);
    if (atUnit.rule != kRuleAccepted) {
        return atUnit;
    }
    const double least = LeastPrintableModule(unit, geometry, profile);
    return p.module < least ? ParameterProblemOf(kRuleModuleTooSmall, kFieldModule, least)
                            : problem;
}
