#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "gear/parameter_check.h"
#include "ui/parameter_message.h"
#include "gear/tooth_profile.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The default gear with one field changed.
struct Change {
    const char* what;
    void (*apply)(GearParameters*);
    ParameterRule rule;
    GearField field;
};

#define CHANGE(expr, rule, field)                               \
    {                                                           \
#expr, [](GearParameters * p) { p->expr; }, rule, field \
    }

ParameterProblem CheckChanged(const Change& change) {
    GearParameters p = DefaultGearParameters();
    change.apply(&p);
    return CheckGearParameters(p);
}

TEST(ParameterCheck, AcceptsTheDefaultAndTheEdgesOfEachRange) {
    const Change accepted[] = {
        CHANGE(toothCount = 24, kRuleAccepted, kFieldNone),
        CHANGE(toothCount = 9999, kRuleAccepted, kFieldNone),
        CHANGE(module = 0.00012, kRuleAccepted, kFieldNone),
        CHANGE(module = 1000000, kRuleAccepted, kFieldNone),
        CHANGE(pressureAngleDeg = 9, kRuleAccepted, kFieldNone),
        CHANGE(pressureAngleDeg = 25, kRuleAccepted, kFieldNone),
        CHANGE(toolTipRadiusCoef = 0, kRuleAccepted, kFieldNone),
        CHANGE(toolTipRadiusCoef = 0.47, kRuleAccepted, kFieldNone),
        CHANGE(involuteDivisions = 1, kRuleAccepted, kFieldNone),
        CHANGE(involuteDivisions = 100, kRuleAccepted, kFieldNone),
        CHANGE(filletDivisions = 1, kRuleAccepted, kFieldNone),
        CHANGE(filletDivisions = 70, kRuleAccepted, kFieldNone),
        CHANGE(profileShiftCoef = 0.99, kRuleAccepted, kFieldNone),
        CHANGE(profileShiftCoef = -0.5, kRuleAccepted, kFieldNone),
        CHANGE(toothCount = 12, kRuleAccepted, kFieldNone),
        CHANGE(addendumCoef = 1.5, kRuleAccepted, kFieldNone),
    };
    for (const Change& c : accepted) {
        EXPECT_EQ(CheckChanged(c).rule, kRuleAccepted) << c.what;
    }
}

TEST(ParameterCheck, RefusesEachFieldOutsideItsRange) {
    const Change refused[] = {
        CHANGE(toothCount = 0, kRuleToothCountRange, kFieldToothCount),
        CHANGE(toothCount = -3, kRuleToothCountRange, kFieldToothCount),
        CHANGE(toothCount = 10000, kRuleToothCountRange, kFieldToothCount),
        CHANGE(module = 0, kRuleModulePositive, kFieldModule),
        CHANGE(module = -2, kRuleModulePositive, kFieldModule),
        CHANGE(module = 1000001, kRuleMagnitude, kFieldModule),
        CHANGE(module = kInf, kRuleMagnitude, kFieldModule),
        CHANGE(module = kNaN, kRuleMagnitude, kFieldModule),
        CHANGE(pressureAngleDeg = 0, kRulePressureAngleRange, kFieldPressureAngle),
        CHANGE(pressureAngleDeg = 90, kRulePressureAngleRange, kFieldPressureAngle),
        CHANGE(pressureAngleDeg = kNaN, kRulePressureAngleRange, kFieldPressureAngle),
        CHANGE(profileShiftCoef = -kInf, kRuleMagnitude, kFieldProfileShift),
        CHANGE(addendumCoef = kNaN, kRuleMagnitude, kFieldAddendum),
        CHANGE(dedendumCoef = 2e6, kRuleMagnitude, kFieldDedendum),
        CHANGE(toolTipRadiusCoef = -0.01, kRuleToolTipRadiusNegative, kFieldToolTipRadius),
        CHANGE(involuteDivisions = 0, kRuleInvoluteDivisionsRange, kFieldInvoluteDivisions),
        CHANGE(involuteDivisions = 101, kRuleInvoluteDivisionsRange, kFieldInvoluteDivisions),
        CHANGE(filletDivisions = 0, kRuleFilletDivisionsRange, kFieldFilletDivisions),
        CHANGE(filletDivisions = 71, kRuleFilletDivisionsRange, kFieldFilletDivisions),
    };
    for (const Change& c : refused) {
        const ParameterProblem problem = CheckChanged(c);
        EXPECT_EQ(problem.rule, c.rule) << c.what;
        EXPECT_EQ(problem.field, c.field) << c.what;
    }
}

TEST(ParameterCheck, RefusesGearsWithoutASoundTooth) {
    const Change refused[] = {
        // Addendum + dedendum of 0: no tooth depth.
        CHANGE(addendumCoef = -1.25, kRuleToothDepth, kFieldDedendum),
        // One tooth with the usual coefficients: root radius 0.5 - 1.25 < 0.
        CHANGE(toothCount = 1, kRuleRootRadius, kFieldDedendum),
        CHANGE(dedendumCoef = 12.1, kRuleRootRadius, kFieldDedendum),
        // The rounding's centre on the rolling line.
        CHANGE(profileShiftCoef = 1.0, kRuleRoundingAbovePitchLine, kFieldProfileShift),
        CHANGE(toolTipRadiusCoef = 0.5, kRuleRoundingTooWide, kFieldToolTipRadius),
        // A dedendum of 2.5 at 20 degrees: the cutter's flanks meet above its tip line.
        CHANGE(dedendumCoef = 2.5, kRuleCutterToothTooDeep, kFieldDedendum),
        CHANGE(addendumCoef = 2.0, kRulePointedTooth, kFieldAddendum),
        CHANGE(profileShiftCoef = -1.8, kRuleTipInsideBaseCircle, kFieldAddendum),
        CHANGE(profileShiftCoef = -13, kRuleTipRadius, kFieldAddendum),
    };
    for (const Change& c : refused) {
        const ParameterProblem problem = CheckChanged(c);
        EXPECT_EQ(problem.rule, c.rule) << c.what;
        EXPECT_EQ(problem.field, c.field) << c.what;
    }
}

TEST(ParameterCheck, LimitsOfTheJointRulesAreTheBoundaries) {
    GearParameters p = DefaultGearParameters();
    p.profileShiftCoef = 1.0;
    EXPECT_DOUBLE_EQ(CheckGearParameters(p).limit, 1.0);

    // Just inside and just outside the widest rounding the cutter tooth holds.
    p = DefaultGearParameters();
    p.toolTipRadiusCoef = 0.5;
    const double widest = CheckGearParameters(p).limit;
    EXPECT_NEAR(widest, 0.4719, 1e-4);
    p.toolTipRadiusCoef = widest - 1e-9;
    EXPECT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
    p.toolTipRadiusCoef = widest + 1e-9;
    EXPECT_EQ(CheckGearParameters(p).rule, kRuleRoundingTooWide);

    // The limit is the addendum that puts the tip circle on the base circle.
    p = DefaultGearParameters();
    p.toothCount = 100;
    p.profileShiftCoef = -5;
    const ParameterProblem inside = CheckGearParameters(p);
    ASSERT_EQ(inside.rule, kRuleTipInsideBaseCircle);
    EXPECT_NEAR(inside.limit, (100 * cos(20 * 3.141592654 / 180) - 100) / 2 + 5, 1e-12);
}

TEST(ParameterCheck, PointedToothIsTheFirstWhoseTipPointCrossesTheCentreLine) {
    GearParameters p = DefaultGearParameters();
    p.addendumCoef = 2.0;
    GearGeometry g;
    ToothProfile profile;
    ComputeProfileOf(p, &g, &profile);
    EXPECT_NEAR(profile.profileX[50], 0.5908, 1e-4);
    p.addendumCoef = 1.5;
    EXPECT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
}

TEST(ParameterMessage, NamesTheFieldByItsLabelAndGivesTheRange) {
    char text[512];
    ParameterProblem problem = {kRuleFilletDivisionsRange, kFieldFilletDivisions, 0};
    FormatParameterMessage(problem, kKorean, text, sizeof text);
    EXPECT_NE(strstr(text, "필렛곡선 부분 등분값"), nullptr) << text;
    EXPECT_NE(strstr(text, "1 이상 70 이하"), nullptr) << text;

    problem = {kRuleRoundingAbovePitchLine, kFieldProfileShift, 1.0};
    FormatParameterMessage(problem, kKorean, text, sizeof text);
    EXPECT_NE(strstr(text, "'전위계수'"), nullptr) << text;
    EXPECT_NE(strstr(text, "1.0000"), nullptr) << text;

    problem = {kRulePointedTooth, kFieldAddendum, 0};
    FormatParameterMessage(problem, kKorean, text, sizeof text);
    EXPECT_NE(strstr(text, "뾰족"), nullptr) << text;
}

TEST(ParameterMessage, EveryRuleOnTheDrawnToothSaysWhatIsWrongAndWhatToChange) {
    char text[1024];
    for (int rule = kRuleProfileOffCircles; rule <= kRulePointsCoincide; rule++) {
        const ParameterProblem problem = {static_cast<ParameterRule>(rule), kFieldModule, 8.45e-5};
        FormatParameterMessage(problem, kKorean, text, sizeof text);
        const char* sentence = strstr(text, "\n\n");
        ASSERT_NE(sentence, nullptr) << rule;
        EXPECT_NE(strstr(sentence + 2, "\n"), nullptr) << "problem, then the remedy: " << text;
    }
    const ParameterProblem module = {kRuleModuleTooSmall, kFieldModule, 8.45e-5};
    FormatParameterMessage(module, kKorean, text, sizeof text);
    EXPECT_NE(strstr(text, "모듈의 값이 8.45e-05 이상"), nullptr) << text;
}

TEST(ParameterMessage, NeverOverrunsASmallBuffer) {
    char text[16];
    memset(text, 'x', sizeof text);
    const ParameterProblem problem = {kRuleRoundingTooWide, kFieldToolTipRadius, 0.4719};
    FormatParameterMessage(problem, kKorean, text, 12);
    EXPECT_LT(strlen(text), 12u);
    EXPECT_EQ(text[15], 'x');
}

}  // namespace
