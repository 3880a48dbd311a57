#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gear/ring_trimming.h"
#include "gear/shaper_check.h"
#include "model/tooth_profile.h"

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
    const ShaperSetup small = {true, 15, 0, 0};
    const ShaperSetup large = {true, 100, 0, 0};
    EXPECT_EQ(LeastRingTeeth(Ring(1), small), 34);
    EXPECT_EQ(LeastRingTeeth(Ring(1), large), 118);
    const ShaperProblem trimmed = CheckShaperCut(Ring(117), {true, 100, 0, 1e6});
    EXPECT_EQ(trimmed.rule, kShaperRingTrimmed);
    EXPECT_EQ(trimmed.gearField, kFieldToothCount);
    EXPECT_EQ(trimmed.limit, 118);
    const ShaperProblem inside = CheckShaperCut(Ring(33), {true, 15, 0, 1e6});
    EXPECT_EQ(inside.rule, kShaperRingTipInsideBaseCircle);
    EXPECT_NEAR(inside.limit, 33 * (1 - std::cos(20 * kProfilePi / 180)) / 2, 1e-12);
}

TEST(RingRim, DefaultsToTheRootDiameterAndFourModulesAndMustClearTheRoot) {
    GearParameters p = Ring(50);
    ShaperSetup setup = {true, 25, 0, 0};
    setup.rimDiameter = DefaultRimDiameter(p, setup);
    EXPECT_NEAR(setup.rimDiameter, 105 + 4 * 2, 1e-9);
    EXPECT_EQ(CheckShaperCut(p, setup).rule, kShaperAccepted);
    setup.rimDiameter = 105;
    const ShaperProblem problem = CheckShaperCut(p, setup);
    EXPECT_EQ(problem.rule, kShaperRimInsideRoot);
    EXPECT_EQ(problem.field, kShaperFieldRimDiameter);
    EXPECT_NEAR(problem.limit, 105, 1e-9);
}

// A refusal names a value and its limit; moving the value just past the limit, on the side
// the rule asks for, clears that rule.
struct NamedValue {
    ShaperRule rule;
    ParameterRule gearRule;
    double toward;  // +1: the limit is a least value, -1: a largest one (a ring's reversed
                    // where the rule is so marked), 0: the least ring tooth count
    bool reversedOnRing;
};

const NamedValue kNamedValues[] = {
    {kShaperGearRule, kRuleTipRadius, +1, false},
    {kShaperGearRule, kRuleTipInsideBaseCircle, +1, false},
    {kShaperGearRule, kRuleRootRadius, -1, false},
    {kShaperGearRule, kRuleToothDepth, +1, false},
    {kShaperRingTipInsideBaseCircle, kRuleAccepted, -1, false},
    {kShaperRoundingInsideCutterBase, kRuleAccepted, +1, false},
    {kShaperNoCuttingMesh, kRuleAccepted, +1, true},
    {kShaperRoundingInsidePitchCircle, kRuleAccepted, +1, false},
    {kShaperRoundingTooWide, kRuleAccepted, -1, false},
    {kShaperCutterPointed, kRuleAccepted, -1, false},
    {kShaperRingTrimmed, kRuleAccepted, 0, false},
    {kShaperRimInsideRoot, kRuleAccepted, +1, false},
};

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
    if (problem.field == kShaperFieldCutterShift) {
        return &setup->cutterShiftCoef;
    }
    return problem.field == kShaperFieldRimDiameter ? &setup->rimDiameter : nullptr;
}

bool SameRule(const ShaperProblem& a, const ShaperProblem& b) {
    return a.rule == b.rule && a.gearRule == b.gearRule;
}

TEST(ShaperRefusals, MovingTheNamedValuePastItsLimitClearsTheRule) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    int cleared[sizeof kNamedValues / sizeof kNamedValues[0]] = {};
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
        for (size_t k = 0; k < sizeof kNamedValues / sizeof kNamedValues[0]; k++) {
            const NamedValue& named = kNamedValues[k];
            if (problem.rule != named.rule || problem.gearRule != named.gearRule) {
                continue;
            }
            double* value = ValueNamedBy(problem, &p, &setup);
            if (named.toward == 0) {
                if (problem.limit == 0) {
                    continue;  // no ring count up to the largest would do
                }
                ASSERT_GT(problem.limit, p.toothCount);
                p.toothCount = static_cast<int>(problem.limit);
            } else {
                ASSERT_NE(value, nullptr);
                const double toward = named.reversedOnRing && setup.ring ? -1 : named.toward;
                *value = problem.limit + toward * 1e-9 * std::fmax(1, std::fabs(problem.limit));
            }
            const ShaperProblem after = CheckShaperCut(p, setup);
            EXPECT_FALSE(SameRule(after, problem))
                << "rule " << problem.rule << "/" << problem.gearRule << " case " << i;
            cleared[k]++;
        }
    }
    for (int count : cleared) {
        EXPECT_GT(count, 0);
    }
}

}  // namespace
