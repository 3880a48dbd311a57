#include "gear/gear_cut.h"

#include "gear/parameter_check.h"
#include "gear/shaper_check.h"

GearCut RackCut() {
    return {kRackCutter, false, 0, 0.0, 0.0};
}

GearCut DefaultShaperCut(bool internal) {
    return {kShaperCutter, internal, 25, 0.0, 0.0};
}

ShaperSetup ShaperSetupOf(const GearParameters& p, const GearCut& cut) {
    ShaperSetup setup = {cut.internal, cut.cutterTeeth, cut.cutterShiftCoef, cut.rimDiameter};
    if (cut.internal && !(cut.rimDiameter > 0)) {
        setup.rimDiameter = DefaultRimDiameter(p, setup);
    }
    return setup;
}

double RimDiameterOf(const GearParameters& p, const GearCut& cut) {
    return ShaperSetupOf(p, cut).rimDiameter;
}

// The shaper's own rules, in the words every message already has or the ring's new ones.
static ParameterProblem FromShaper(const ShaperProblem& problem, bool ring) {
    const double limit = problem.limit;
    switch (problem.rule) {
        case kShaperAccepted:
            break;
        case kShaperGearRule:
            return ParameterProblemOf(problem.gearRule, problem.gearField, limit);
        case kShaperCutterTeethRange:
            return ParameterProblemOf(kRuleToothCountRange, kFieldCutterTeeth, limit);
        case kShaperCutterShiftMagnitude:
            return ParameterProblemOf(kRuleMagnitude, kFieldCutterShift, limit);
        case kShaperRingTipInsideBaseCircle:
            return ParameterProblemOf(kRuleRingTipInsideBaseCircle, kFieldAddendum, limit);
        case kShaperRoundingInsideCutterBase:
            return ParameterProblemOf(kRuleRoundingInsideCutterBase, kFieldCutterShift, limit);
        case kShaperNoCuttingMesh:
            return ParameterProblemOf(ring ? kRuleNoCuttingMeshBelow : kRuleNoCuttingMeshAbove,
                                      kFieldCutterShift, limit);
        case kShaperRoundingInsidePitchCircle:
            return ParameterProblemOf(kRuleRoundingInsideCutterPitch, kFieldDedendum, limit);
        case kShaperRoundingTooWide:
            return ParameterProblemOf(kRuleRoundingTooWide, kFieldToolTipRadius, limit);
        case kShaperCutterPointed:
            return ParameterProblemOf(kRuleCutterToothTooDeep, kFieldDedendum, limit);
        case kShaperRingTrimmed:
            return ParameterProblemOf(limit > 0 ? kRuleRingTrimmed : kRuleRingTrimmedByAnyCount,
                                      kFieldToothCount, limit);
        case kShaperRimInsideRoot:
            return ParameterProblemOf(kRuleRimInsideRoot, kFieldRimDiameter, limit);
        case kShaperRimTooLarge:
            return ParameterProblemOf(kRuleRimTooLarge, kFieldRimDiameter, limit);
    }
    return ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
}

ParameterProblem CheckGear(const GearParameters& p, const GearCut& cut) {
    if (cut.cutter == kRackCutter && !cut.internal) {
        return CheckGearParameters(p);
    }
    return FromShaper(CheckShaperCut(p, ShaperSetupOf(p, cut)), cut.internal);
}
