#include "ui/parameter_message.h"

#include <cmath>
#include <cstdio>

#include "ui/gear_fields.h"

const char* GearFieldLabel(GearField field, Language language) {
    if (field == kFieldNone) {
        return "";
    }
    return Text(GearFieldRowOf(field).label, language);
}

// Which sentence says a rule, and whether its limits are the field's range or the
// problem's own limit.
enum RuleLimits { kNoLimit, kFieldRange, kProblemLimit };

struct RuleSentence {
    ParameterRule rule;
    TextId text;
    RuleLimits limits;
};

static const RuleSentence kRuleSentences[] = {
    {kRuleToothCountRange, kTextRuleWholeRange, kFieldRange},
    {kRuleMagnitude, kTextRuleRealRange, kFieldRange},
    {kRuleModulePositive, kTextRuleModulePositive, kNoLimit},
    {kRulePressureAngleRange, kTextRulePressureAngleRange, kNoLimit},
    {kRuleToolTipRadiusNegative, kTextRuleNotNegative, kNoLimit},
    {kRuleInvoluteDivisionsRange, kTextRuleWholeRange, kFieldRange},
    {kRuleFilletDivisionsRange, kTextRuleWholeRange, kFieldRange},
    {kRuleToothDepth, kTextRuleToothDepth, kProblemLimit},
    {kRuleTipRadius, kTextRuleTipRadius, kProblemLimit},
    {kRuleTipInsideBaseCircle, kTextRuleTipInsideBaseCircle, kProblemLimit},
    {kRuleRootRadius, kTextRuleRootRadius, kProblemLimit},
    {kRuleRoundingAbovePitchLine, kTextRuleRoundingAbovePitchLine, kProblemLimit},
    {kRuleRoundingTooWide, kTextRuleRoundingTooWide, kProblemLimit},
    {kRuleCutterToothTooDeep, kTextRuleCutterToothTooDeep, kProblemLimit},
    {kRulePointedTooth, kTextRulePointedTooth, kNoLimit},
    {kRuleNotComputable, kTextRuleNotComputable, kNoLimit},
    {kRuleProfileOffCircles, kTextRuleProfileOffCircles, kNoLimit},
    {kRuleProfileBeyondTip, kTextRuleProfileBeyondTip, kNoLimit},
    {kRuleFlankCrossesCentreLine, kTextRuleFlankCrossesCentreLine, kNoLimit},
    {kRuleFlankEntersNeighbour, kTextRuleFlankEntersNeighbour, kNoLimit},
    {kRuleInvoluteTurnsBack, kTextRuleInvoluteTurnsBack, kNoLimit},
    {kRuleArcTooWide, kTextRuleArcTooWide, kNoLimit},
    {kRuleModuleTooSmall, kTextRuleModuleTooSmall, kProblemLimit},
    {kRulePointsCoincide, kTextRulePointsCoincide, kNoLimit},
    {kRuleRingTipInsideBaseCircle, kTextRuleRingTipInsideBaseCircle, kProblemLimit},
    {kRuleRoundingInsideCutterBase, kTextRuleRoundingInsideCutterBase, kProblemLimit},
    {kRuleNoCuttingMeshAbove, kTextRuleNoCuttingMeshAbove, kProblemLimit},
    {kRuleNoCuttingMeshBelow, kTextRuleNoCuttingMeshBelow, kProblemLimit},
    {kRuleRoundingInsideCutterPitch, kTextRuleRoundingInsideCutterPitch, kProblemLimit},
    {kRuleRingTrimmed, kTextRuleRingTrimmed, kProblemLimit},
    {kRuleRingTrimmedByAnyCount, kTextRuleRingTrimmedByAnyCount, kNoLimit},
    {kRuleRimInsideRoot, kTextRuleRimInsideRoot, kProblemLimit},
    {kRuleRimTooLarge, kTextRuleRimTooLarge, kProblemLimit},
};

void FormatFieldText(TextId id, Language language, const char* fieldName, double first,
                     double second, char* text, size_t size) {
    // A limit that is not a finite number says nothing useful; print it as none.
    const double a = std::isfinite(first) ? first : 0.0;
    const double b = std::isfinite(second) ? second : 0.0;
    snprintf(text, size, Text(id, language), fieldName, a, b);
}

void FormatRuleSentence(const ParameterProblem& problem, Language language, const char* fieldName,
                        char* text, size_t size) {
    if (size > 0) {
        text[0] = '\0';
    }
    for (const RuleSentence& sentence : kRuleSentences) {
        if (sentence.rule != problem.rule) {
            continue;
        }
        const GearFieldRow& row = GearFieldRowOf(problem.field);
        double first = 0;
        double second = 0;
        if (sentence.limits == kFieldRange) {
            first = row.lowest;
            second = row.highest;
        } else if (sentence.limits == kProblemLimit) {
            first = problem.limit;
        }
        TextId id = sentence.text;
        // A real field whose range starts above its lowest value says so.
        if (id == kTextRuleRealRange && row.lowestEnd == kEndExcluded) {
            id = kTextRuleRealAboveRange;
        }
        FormatFieldText(id, language, fieldName, first, second, text, size);
        return;
    }
}

void FormatParameterMessage(const ParameterProblem& problem, Language language, char* text,
                            size_t size) {
    const char* label = GearFieldLabel(problem.field, language);
    const int head = snprintf(text, size, Text(kTextRefusalHead, language), label);
    if (head < 0 || static_cast<size_t>(head) >= size) {
        return;
    }
    char named[256];
    snprintf(named, sizeof named, Text(kTextFieldInSentence, language), label);
    FormatRuleSentence(problem, language, named, text + head, size - head);
}
