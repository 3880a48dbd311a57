#include "cli/problem_text.h"

#include <cmath>
#include <cstdio>

#include "cli/cli_options.h"

// The rule's sentence; %.4f or %g, where present, stands for the limit.
static const char* RuleText(ParameterRule rule) {
    switch (rule) {
        case kRuleToothCountRange:
            return "must be a whole number from 1 to 9999";
        case kRuleMagnitude:
            return "must be a number from -1000000 to 1000000";
        case kRuleModulePositive:
            return "must be greater than 0";
        case kRulePressureAngleRange:
            return "must be greater than 0 and less than 90 degrees";
        case kRuleToolTipRadiusNegative:
            return "must be 0 or more";
        case kRuleInvoluteDivisionsRange:
            return "must be a whole number from 1 to 100";
        case kRuleFilletDivisionsRange:
            return "must be a whole number from 1 to 70";
        case kRuleToothDepth:
            return "the tooth depth (addendum + dedendum) must be greater than 0: the "
                   "dedendum must be greater than %.4f";
        case kRuleTipRadius:
            return "the tip radius would be 0 or less: the addendum must be greater than %.4f";
        case kRuleTipInsideBaseCircle:
            return "the tip circle would lie inside the base circle: the addendum must be at "
                   "least %.4f";
        case kRuleRootRadius:
            return "the root radius would be 0 or less: the dedendum must be less than %.4f";
        case kRuleRoundingAbovePitchLine:
            return "the centre of the cutter tip rounding would lie on or above the pitch line, "
                   "so the fillet would not start on the root circle: the profile shift must be "
                   "less than %.4f (dedendum - tip radius)";
        case kRuleRoundingTooWide:
            return "the cutter tip rounding is wider than the cutter tooth and the roots of "
                   "neighbouring teeth would cross: the tip radius must be less than %.4f";
        case kRuleCutterToothTooDeep:
            return "the cutter tooth is so deep that even a sharp tip is wider than the cutter "
                   "tooth and the roots of neighbouring teeth would cross: the dedendum must be "
                   "less than %.4f";
        case kRulePointedTooth:
            return "the tooth becomes pointed (its flanks cross below the tip circle): lower "
                   "the addendum or the profile shift";
        case kRuleNotComputable:
            return "the profile cannot be computed with these values: lower the module or the "
                   "coefficients";
        case kRuleProfileOffCircles:
            return "the computed profile does not start on the root circle or does not end on "
                   "the tip circle: raise the pressure angle or change the coefficients";
        case kRuleProfileBeyondTip:
            return "points of the flank lie outside the ring between the root and the tip "
                   "circle (the fillet runs past the tip circle): raise the pressure angle, the "
                   "number of teeth or the profile shift";
        case kRuleFlankCrossesCentreLine:
            return "the undercut root crosses the tooth's centre line and cuts through the "
                   "tooth: raise the number of teeth, the profile shift or the pressure angle";
        case kRuleFlankEntersNeighbour:
            return "the fillet enters the neighbouring tooth's half pitch: raise the number of "
                   "teeth, the profile shift or the pressure angle";
        case kRuleInvoluteTurnsBack:
            return "the involute's radius falls again on its way to the tip circle (fillet and "
                   "involute meet outside the tip circle): raise the pressure angle";
        case kRuleArcTooWide:
            return "a tip or gap arc of the outline would sweep one tooth pitch or more: lower "
                   "the addendum";
        case kRuleModuleTooSmall:
            return "neighbouring points of the outline would print alike at six decimals: with "
                   "these divisions the module must be at least %g (or use fewer divisions)";
        case kRulePointsCoincide:
            return "neighbouring points of the outline coincide: use fewer divisions or change "
                   "the coefficients";
        case kRuleAccepted:
            break;
    }
    return "";
}

void FormatProblemLine(const ParameterProblem& problem, char* text, size_t size) {
    const int head = snprintf(text, size, "involute: %s: ", OptionOfField(problem.field));
    if (head < 0 || static_cast<size_t>(head) >= size) {
        return;
    }
    const double limit = std::isfinite(problem.limit) ? problem.limit : 0.0;
    snprintf(text + head, size - head, RuleText(problem.rule), limit);
}
