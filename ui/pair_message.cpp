#include "ui/pair_message.h"

#include <cstdio>

#include "ui/gear_fields.h"
#include "ui/parameter_message.h"

MateField MateFieldOf(const PairProblem& problem, const MateChoice& choice) {
    if (problem.mate.rule != kRuleAccepted) {
        switch (problem.mate.field) {
            case kFieldToothCount:
                return kMateFieldToothCount;
            case kFieldProfileShift:
                return kMateFieldShift;
            default:
                return kMateFieldShared;
        }
    }
    if (problem.pair == kPairTwoRings) {
        return kMateFieldKind;
    }
    if (problem.pair == kPairRingTooSmall) {
        return kMateFieldToothCount;
    }
    // Without a working pressure angle in a tight mesh, the shifts are at fault.
    if (problem.pair == kPairNoWorkingPressureAngle && choice.centreDistance == 0) {
        return kMateFieldShift;
    }
    return kMateFieldCentreDistance;
}

void MateFieldName(const PairProblem& problem, const MateChoice& choice,
                   const MateFieldNames& names, Language language, bool sharedByOption, char* text,
                   size_t size) {
    switch (MateFieldOf(problem, choice)) {
        case kMateFieldToothCount:
            snprintf(text, size, "%s", names.toothCount);
            return;
        case kMateFieldShift:
            snprintf(text, size, "%s", names.shift);
            return;
        case kMateFieldCentreDistance:
            snprintf(text, size, "%s", names.centreDistance);
            return;
        case kMateFieldKind:
            snprintf(text, size, "%s", names.kind);
            return;
        case kMateFieldShared:
            break;
    }
    const GearFieldRow& row = GearFieldRowOf(problem.mate.field);
    snprintf(text, size, "%s", sharedByOption ? row.option : Text(row.label, language));
}

void FormatPairSentence(const PairProblem& problem, const GearParameters& gear,
                        const MateChoice& choice, Language language, const char* fieldName,
                        char* text, size_t size) {
    if (problem.mate.rule != kRuleAccepted) {
        FormatRuleSentence(problem.mate, language, fieldName, text, size);
        return;
    }
    TextId id = kTextRuleCentreDistanceTooSmall;
    double limit = problem.pairLimit;
    switch (problem.pair) {
        case kPairRingTooSmall:
            // The formulas name the ring's least teeth; where the ring is the current gear,
            // the pinion (the mate) must have fewer teeth than it.
            id = choice.cut.internal ? kTextRuleRingNeedsMoreTeeth : kTextRulePinionNeedsFewerTeeth;
            limit = choice.cut.internal ? limit : gear.toothCount - 1;
            break;
        case kPairRingTipInsideBase:
        case kPairRingRootInsideTip:
            id = kTextRuleRingCircles;
            break;
        case kPairTwoRings:
            id = kTextRuleTwoRings;
            break;
        case kPairCentreDistanceTooLarge:
            id = kTextRuleCentreDistanceTooLarge;
            break;
        case kPairNoWorkingPressureAngle:
            if (choice.centreDistance == 0) {
                // The limit is a shift sum; the mate's shift must make it up.
                id = kTextRuleNoWorkingAngleForShifts;
                limit -= gear.profileShiftCoef;
            } else {
                id = kTextRuleNoWorkingAngleAtCentre;
            }
            break;
        default:
            break;
    }
    FormatFieldText(id, language, fieldName, limit, 0, text, size);
}
