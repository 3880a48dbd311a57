#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gear/ring_trimming.h"
#include "gear/shaper_check.h"
#include "gear/tooth_profile.h"

namespace {

GearParameters Ring(int teeth) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = teeth;
    return p;
}

// SDP/SI Table 5-3a: a standard ring (x 0, ha 1, 20 degrees) and a standard cutter (x0 0,
// tip diameter m (z0 + 2.5)). At 15 cutter teeth the rule itself allows 33, whose tip
// circle lies inside its base circle, where no involute and no rule exist.
TEST(RingTrimming, LeastRingTeethOfTableFiveThreeA) {
    EXPECT_EQ(LeastRingTeeth(Ring(1), {true, 15, 0, 0}), 34);
    EXPECT_EQ(LeastRingTeeth(Ring(1), {true, 100, 0, 0}), 118);
    const ShaperProblem trimmed = CheckShaperCut(Ring(117), {true, 100, 0, 1e6});
    EXPECT_EQ(trimmed.rule, kShaperRingTrimmed);
    EXPECT_EQ(trimmed.gearField, kFieldToothCount);
    EXPECT_EQ(trimmed.limit, 118);
    const ShaperProblem inside = CheckShaperCut(Ring(33), {true, 15, 0, 1e6});
    EXPECT_EQ(inside.rule, kShaperRingTipInsideBaseCircle);
    EXPECT_NEAR(inside.limit, 33 * (1 - std::cos(20 * kProfilePi / 180)) / 2, 1e-12);
}

// The refusals that name a limit for a value.
const struct {
    ShaperRule rule;
    ParameterRule gearRule;
} kLimitedRules[] = {
    {kShaperGearRule, kRuleTipRadius},
    {kShaperGearRule, kRuleTipInsideBaseCircle},
    {kShaperGearRule, kRuleRootRadius},
    {kShaperGearRule, kRuleToothDepth},
    {kShaperRingTipInsideBaseCircle, kRuleAccepted},
    {kShaperRoundingInsideCutterBase, kRuleAccepted},
    {kShaperNoCuttingMesh, kRuleAccepted},
    {kShaperRoundingInsidePitchCircle, kRuleAccepted},
    {kShaperRoundingTooWide, kRuleAccepted},
    {kShaperCutterPointed, kRuleAccepted},
    {kShaperRingTrimmed, kRuleAccepted},
    {kShaperRimInsideRoot, kRuleAccepted},
};
const int kLimitedRuleCount = sizeof kLimitedRules / sizeof kLimitedRules[0];

int LimitedRuleOf(const ShaperProblem& problem) {
    for (int k = 0; k < kLimitedRuleCount; k++) {
        if (problem.rule == kLimitedRules[k].rule &&
            problem.gearRule == kLimitedRules[k].gearRule) {
            return k;
        }
    }
    return -1;
}

double* ValueNamedBy(const ShaperProblem& problem, GearParameters* p, ShaperSetup* setup) {
    switch (problem.gearField) {
        case kFieldAddendum:
            return &p->addendumCoef;
        case kFieldDedendum:
            return &p->dedendumCoef;
        case kFieldToolTipRadius:
            return &p->toolTipRadiusCoef;
        default:
            break;
    }
    return problem.field == kShaperFieldCutterShift ? &setup->cutterShiftCoef : &setup->rimDiameter;
}

// A refusal names a value and its limit; the refused value lies on the wrong side of it, and
// moving the value just past the limit clears that rule.
TEST(ShaperRefusals, MovingTheNamedValuePastItsLimitClearsTheRule) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    int cleared[kLimitedRuleCount] = {};
    for (int i = 0; i < 6000; i++) {
        GearParameters p = DefaultGearParameters();
        p.toothCount = 2 + static_cast<int>(unit(random) * 120);
        p.pressureAngleDeg = 10 + 25 * unit(random);
        p.profileShiftCoef = -1.5 + 3 * unit(random);
        p.addendumCoef = -1 + 2.5 * unit(random);
        p.dedendumCoef = 0.3 + 1.5 * unit(random);
        p.toolTipRadiusCoef = 0.6 * unit(random);
        ShaperSetup setup = {i % 2 == 1, 4 + static_cast<int>(unit(random) * 80),
                             -1.5 + 3 * unit(random), 0};
        setup.rimDiameter = DefaultRimDiameter(p, setup) * (0.9 + 0.2 * unit(random));
        const ShaperProblem problem = CheckShaperCut(p, setup);
        const int k = LimitedRuleOf(problem);
        if (k < 0 || (problem.rule == kShaperRingTrimmed && problem.limit == 0)) {
            continue;  // accepted, a rule without a limit, or no ring count would do
        }
        if (problem.rule == kShaperRingTrimmed) {
            ASSERT_GT(problem.limit, p.toothCount);
            p.toothCount = static_cast<int>(problem.limit);
        } else {
            double* value = ValueNamedBy(problem, &p, &setup);
            const double toward = problem.limit > *value ? 1 : -1;
            *value = problem.limit + toward * 1e-9 * std::fmax(1, std::fabs(problem.limit));
        }
        const ShaperProblem after = CheckShaperCut(p, setup);
        EXPECT_FALSE(after.rule == problem.rule && after.gearRule == problem.gearRule)
            << "rule " << problem.rule << "/" << problem.gearRule << " case " << i;
        cleared[k]++;
    }
    for (int count : cleared) {
        EXPECT_GT(count, 0);
    }
}

}  // namespace
