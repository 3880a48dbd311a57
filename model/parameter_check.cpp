#include "model/parameter_check.h"

#include <cmath>

#include "model/tooth_profile.h"

static ParameterProblem Problem(ParameterRule rule, GearField field, double limit) {
    ParameterProblem problem;
    problem.rule = rule;
    problem.field = field;
    problem.limit = limit;
    return problem;
}

// Written so that a NaN fails too.
static bool WithinMagnitude(double v) {
    return v >= -kMaxMagnitude && v <= kMaxMagnitude;
}

// Each field on its own, in the order of the dialog.
static ParameterProblem CheckFields(const GearParameters& p) {
    if (p.toothCount < 1 || p.toothCount > kMaxToothCount) {
        return Problem(kRuleToothCountRange, kFieldToothCount, 0);
    }
    if (!WithinMagnitude(p.module)) {
        return Problem(kRuleMagnitude, kFieldModule, 0);
    }
    if (!(p.module > 0)) {
        return Problem(kRuleModulePositive, kFieldModule, 0);
    }
    if (!(p.pressureAngleDeg > 0 && p.pressureAngleDeg < 90)) {
        return Problem(kRulePressureAngleRange, kFieldPressureAngle, 0);
    }
    if (!WithinMagnitude(p.profileShiftCoef)) {
        return Problem(kRuleMagnitude, kFieldProfileShift, 0);
    }
    if (!WithinMagnitude(p.addendumCoef)) {
        return Problem(kRuleMagnitude, kFieldAddendum, 0);
    }
    if (!WithinMagnitude(p.dedendumCoef)) {
        return Problem(kRuleMagnitude, kFieldDedendum, 0);
    }
    if (!WithinMagnitude(p.toolTipRadiusCoef)) {
        return Problem(kRuleMagnitude, kFieldToolTipRadius, 0);
    }
    if (p.toolTipRadiusCoef < 0) {
        return Problem(kRuleToolTipRadiusNegative, kFieldToolTipRadius, 0);
    }
    if (p.involuteDivisions < 1 || p.involuteDivisions > kMaxInvoluteDivisions) {
        return Problem(kRuleInvoluteDivisionsRange, kFieldInvoluteDivisions, 0);
    }
    if (p.filletDivisions < 1 || p.filletDivisions > kMaxFilletDivisions) {
        return Problem(kRuleFilletDivisionsRange, kFieldFilletDivisions, 0);
    }
    return Problem(kRuleAccepted, kFieldNone, 0);
}

// The fields together: the circles and the cutter must make a tooth at all.
static ParameterProblem CheckCircles(const GearParameters& p) {
    const double z = p.toothCount;
    const double x = p.profileShiftCoef;
    const double ha = p.addendumCoef;
    const double hf = p.dedendumCoef;
    const double rho = p.toolTipRadiusCoef;
    const double alpha = p.pressureAngleDeg * 3.141592654 / 180;
    if (!(ha + hf > 0)) {
        return Problem(kRuleToothDepth, kFieldDedendum, -ha);
    }
    // In multiples of m/2: tip diameter z + 2(ha + x), base diameter z cos(alpha).
    if (!(z + 2 * ha + 2 * x > 0)) {
        return Problem(kRuleTipRadius, kFieldAddendum, -z / 2 - x);
    }
    if (z + 2 * ha + 2 * x < z * cos(alpha)) {
        return Problem(kRuleTipInsideBaseCircle, kFieldAddendum, (z * cos(alpha) - z) / 2 - x);
    }
    if (!(z / 2 + x - hf > 0)) {
        return Problem(kRuleRootRadius, kFieldDedendum, z / 2 + x);
    }
    // The fillet starts on the root circle only while the rounding's centre stays below
    // the line on which the pitch circle rolls.
    if (!((rho - hf) + x < 0)) {
        return Problem(kRuleRoundingAbovePitchLine, kFieldProfileShift, hf - rho);
    }
    // Past the middle of the cutter tooth the roundings of its two flanks overlap, and the
    // root points of neighbouring gear teeth cross.
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    if (!(std::fabs(g.cx) < 1.570796327)) {
        const double largest = (0.7853981635 - hf * tan(alpha)) / (1 / cos(alpha) - tan(alpha));
        return Problem(kRuleRoundingTooWide, kFieldToolTipRadius, largest);
    }
    return Problem(kRuleAccepted, kFieldNone, 0);
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

ParameterProblem CheckGearParameters(const GearParameters& p) {
    ParameterProblem problem = CheckFields(p);
    if (problem.rule != kRuleAccepted) {
        return problem;
    }
    problem = CheckCircles(p);
    if (problem.rule != kRuleAccepted) {
        return problem;
    }
    GearGeometry geometry;
    ToothProfile profile;
    ComputeProfileOf(p, &geometry, &profile);
    const int last = p.filletDivisions + p.involuteDivisions;
    if (!ProfileIsFinite(geometry, profile, last)) {
        return Problem(kRuleNotComputable, kFieldModule, 0);
    }
    // The flanks of a pointed tooth cross below the tip circle: the left flank's tip point
    // then lies on or right of the centre line.
    if (!(profile.profileX[last] < 0)) {
        return Problem(kRulePointedTooth, kFieldAddendum, 0);
    }
    return Problem(kRuleAccepted, kFieldNone, 0);
}
