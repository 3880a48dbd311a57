#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gear/gear_data.h"
#include "gear/parameter_check.h"
#include "gear/tooth_profile.h"

namespace {

GearParameters Gear(int z, double m, double x) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = z;
    p.module = m;
    p.profileShiftCoef = x;
    return p;
}

GearData DataOf(const GearParameters& p, double pin = 0, int k = 0) {
    GearData data;
    ComputeGearData(p, pin, k, &data);
    return data;
}

double Alpha(const GearParameters& p) {
    return p.pressureAngleDeg * kProfilePi / 180;
}

double AngleFromCentreLine(const ModelPoint& point) {
    return std::atan2(-point.x, point.y);
}

// Published worked examples, to their printed digits.
TEST(GearDataExamples, SpanOverThreeAndFourTeethOfTwentyTeethModuleTwo) {
    const GearParameters p = Gear(20, 2, 0);
    EXPECT_NEAR(DataOf(p, 0, 3).span, 15.321, 5e-4);
    EXPECT_NEAR(DataOf(p, 0, 4).span, 21.225, 5e-4);
}

TEST(GearDataExamples, ThicknessAndChordOfTwelveTeethModuleTenShiftedPointThree) {
    const GearData data = DataOf(Gear(12, 10, 0.3));
    EXPECT_NEAR(data.toothThickness, 17.8918, 5e-5);
    EXPECT_NEAR(data.chordalThickness, 17.8256, 5e-5);
    EXPECT_NEAR(data.chordalHeight, 13.6657, 5e-5);
}

TEST(GearDataExamples, OverPinsOfTwentyTeethModuleOneWithPinOnePointSeven) {
    const GearData data = DataOf(Gear(20, 1, 0), 1.7);
    EXPECT_EQ(data.pinDiameter, 1.7);
    EXPECT_NEAR(data.overPins, 22.2941, 5e-5);
}

// The pin stands on the middle line of a tooth space and touches both its flanks: its
// centre lies d/2 from the involute, measured on the generated flank itself.
double DistanceFromFlank(const GearParameters& p, double cx, double cy) {
    const GeneratingMotion g = ComputeGeneratingMotion(p, Alpha(p));
    double nearest = HUGE_VAL;
    double lo = g.thetaTransition;
    double hi = g.thetaEnd;
    // Golden-section search for the flank point nearest the centre.
    for (int i = 0; i < 200; i++) {
        const double a = hi - (hi - lo) * 0.6180339887;
        const double b = lo + (hi - lo) * 0.6180339887;
        const ModelPoint pa = InvolutePointAt(p, Alpha(p), a);
        const ModelPoint pb = InvolutePointAt(p, Alpha(p), b);
        const double da = std::hypot(pa.x - cx, pa.y - cy);
        const double db = std::hypot(pb.x - cx, pb.y - cy);
        if (da < db) {
            hi = b;
        } else {
            lo = a;
        }
        nearest = std::fmin(nearest, std::fmin(da, db));
    }
    return nearest;
}

TEST(OverPins, PinsTouchTheFlanksAndOddCountsStandHalfAPitchOff) {
    for (int z : {20, 21, 37}) {
        const GearParameters p = Gear(z, 1, 0.2);
        const GearData data = DataOf(p, 1.9);
        SCOPED_TRACE(z);
        // The tooth on +y has its left flank on the right side of the space centred half a
        // pitch to the left; mirror the pin centre onto the tooth's side of that line.
        const double halfPitch = kProfilePi / z;
        // From Md back to the centre radius: even, Md = 2 rM + dp; odd, 2 rM cos(90/z) + dp.
        const double span = data.overPins - data.pinDiameter;
        const double rM = z % 2 == 0 ? span / 2 : span / 2 / std::cos(halfPitch / 2);
        const double cx = -rM * std::sin(halfPitch);
        const double cy = rM * std::cos(halfPitch);
        EXPECT_NEAR(DistanceFromFlank(p, cx, cy), 1.9 / 2, 1e-9);
        // The two pins' centres, placed tooth space by tooth space, and their far sides.
        const int opposite = z / 2;
        const double a1 = halfPitch;
        const double a2 = halfPitch + 2 * halfPitch * opposite;
        const double apart =
            std::hypot(rM * (std::sin(a1) - std::sin(a2)), rM * (std::cos(a1) - std::cos(a2)));
        EXPECT_NEAR(apart + data.pinDiameter, data.overPins, 1e-9);
    }
}

TEST(OverPins, TheDefaultPinTouchesOnTheReferenceCircle) {
    const GearData data = DataOf(Gear(20, 1, 0));
    // db (tan(a + 90 deg / z) - tan(a)) = 1.7238, rounded to 0.001 m.
    EXPECT_NEAR(data.pinDiameter, 1.724, 1e-12);
    EXPECT_NEAR(data.pinContactDiameter, 20, 0.01);
    EXPECT_EQ(data.warningCount, 0);
}

TEST(Span, ChosenKTouchesTheFlankNearestTheMiddleOfTheInvolute) {
    const GearData data = DataOf(Gear(20, 2, 0));
    EXPECT_EQ(data.spanTeeth, 3);
    EXPECT_EQ(DataOf(Gear(48, 2, 0)).spanTeeth, 6);
    const GearData given = DataOf(Gear(20, 2, 0), 0, 9);
    EXPECT_EQ(given.spanTeeth, 9);
    EXPECT_TRUE(HasGearWarning(given, kWarningSpanOffInvolute));
}

TEST(Undercut, TwelveTeethAreUndercutBelowTheLeastShift) {
    const GearParameters p = Gear(12, 1, 0);
    const GearData data = DataOf(p);
    EXPECT_TRUE(data.undercut);
    EXPECT_TRUE(HasGearWarning(data, kWarningUndercut));
    // x_min = hf - rho (1 - sin a) - (z / 2) sin^2 a = 1.25 - 0.25 * 0.65798 - 6 * 0.11698
    EXPECT_NEAR(data.minShiftWithoutUndercut, 0.3836, 5e-5);
    EXPECT_EQ(data.minTeethWithoutUndercut, 19);
    EXPECT_FALSE(DataOf(Gear(12, 1, 0.3837)).undercut);
    EXPECT_TRUE(DataOf(Gear(12, 1, 0.3835)).undercut);
    EXPECT_TRUE(DataOf(Gear(18, 1, 0)).undercut);
    EXPECT_FALSE(DataOf(Gear(19, 1, 0)).undercut);
}

// The involute of the undercut tooth begins where the fillet crosses it: on the form
// circle both curves pass through the same point, above the base circle and below the
// transition point, which lies on the involute's reversed branch.
TEST(Undercut, TheInvoluteBeginsWhereTheRoundingsCutCrossesIt) {
    const GearParameters p = Gear(12, 1, 0);
    const GearData data = DataOf(p);
    const double alpha = Alpha(p);
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    const ModelPoint transition = FilletPointAt(p, g, g.thetaTransition);
    const double formRadius = data.formDiameter / 2;
    EXPECT_GT(formRadius, data.baseDiameter / 2);
    EXPECT_LT(formRadius, std::hypot(transition.x, transition.y));
    // Between 5.658 and 5.660 a brute-force sweep of the cutter switches to the involute.
    EXPECT_NEAR(formRadius, 5.659, 1e-3);
    // The fillet's point on the form circle, by bisection on the roll angle.
    double lo = g.thetaTransition;
    double hi = g.thetaStart;
    for (int i = 0; i < 200; i++) {
        const double mid = (lo + hi) / 2;
        const ModelPoint f = FilletPointAt(p, g, mid);
        (std::hypot(f.x, f.y) > formRadius ? lo : hi) = mid;
    }
    const ModelPoint fillet = FilletPointAt(p, g, lo);
    // The involute's roll angle for that circle.
    const double r = 6.0;
    const double q =
        -std::sin(alpha) + std::sqrt(std::pow(formRadius / r, 2) - std::pow(std::cos(alpha), 2));
    const double theta = q / std::cos(alpha) - kProfileHalfPi / 12;
    const ModelPoint involute = InvolutePointAt(p, alpha, theta);
    EXPECT_NEAR(AngleFromCentreLine(fillet), AngleFromCentreLine(involute), 1e-9);
}

// Over a spread of gears without undercut, the formulas and the generated profile describe
// the same tooth: thickness on the reference and tip circles and the form circle agree.
TEST(FormulaAndProfile, AgreeOnThicknessesAndFormCircleForSeededRandomGears) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> teeth(3, 400);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked = 0;
    for (int trial = 0; trial < 6000; trial++) {
        GearParameters p = DefaultGearParameters();
        p.toothCount = teeth(random);
        p.module = 0.1 + 49.9 * unit(random);
        p.pressureAngleDeg = 10 + 25 * unit(random);
        p.profileShiftCoef = -0.6 + 1.6 * unit(random);
        p.addendumCoef = 0.6 + 0.7 * unit(random);
        p.dedendumCoef = 1.0 + 0.6 * unit(random);
        p.toolTipRadiusCoef = 0.45 * unit(random);
        if (CheckGearParameters(p).rule != kRuleAccepted) {
            continue;
        }
        const GearData data = DataOf(p);
        if (data.undercut) {
            continue;
        }
        checked++;
        SCOPED_TRACE(testing::Message()
                     << "z=" << p.toothCount << " m=" << p.module << " a=" << p.pressureAngleDeg
                     << " x=" << p.profileShiftCoef << " ha=" << p.addendumCoef
                     << " hf=" << p.dedendumCoef << " rho=" << p.toolTipRadiusCoef);
        const double m = p.module;
        const double z = p.toothCount;
        const double alpha = Alpha(p);
        const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
        // The reference circle is rolled at the pitch point: q = 0.
        const double thetaRef =
            -(2 * p.profileShiftCoef / z) * std::tan(alpha) - kProfileHalfPi / z;
        const ModelPoint ref = InvolutePointAt(p, alpha, thetaRef);
        const ModelPoint tip = InvolutePointAt(p, alpha, g.thetaEnd);
        const ModelPoint form = FilletPointAt(p, g, g.thetaTransition);
        ASSERT_NEAR(std::hypot(ref.x, ref.y), data.referenceDiameter / 2, 1e-9 * m);
        ASSERT_NEAR(data.referenceDiameter * AngleFromCentreLine(ref), data.toothThickness,
                    1e-9 * m);
        ASSERT_NEAR(data.tipDiameter * AngleFromCentreLine(tip), data.tipThickness, 1e-9 * m);
        ASSERT_NEAR(2 * std::hypot(form.x, form.y), data.formDiameter, 2e-9 * m);
        // Every number is a number.
        for (double v : {data.span, data.overPins, data.pinDiameter, data.chordalHeight,
                         data.minShiftWithoutUndercut, data.minTeethWithoutUndercut}) {
            ASSERT_TRUE(std::isfinite(v));
        }
        ASSERT_GT(data.overPins, 0);
    }
    EXPECT_GT(checked, 2000);
}

TEST(InverseInvolute, ReturnsTheAngleToFullPrecision) {
    for (double a = 0.001; a < 1.55; a += 0.0037) {
        const double value = std::tan(a) - a;
        // tan(a) - a itself carries an error of about 1e-16 tan(a).
        EXPECT_NEAR(InverseInvolute(value), a, 1e-15 / std::tan(a));
    }
    EXPECT_EQ(InverseInvolute(0), 0);
    EXPECT_EQ(InverseInvolute(-1), 0);
}

TEST(GearDataInputs, PinAboveZeroUpToTheTipAndKFromOneToZMinusOne) {
    const GearParameters p = Gear(24, 2, 0);
    EXPECT_TRUE(PinDiameterAccepted(p, 52));
    EXPECT_TRUE(SpanTeethAccepted(p, 23));
    EXPECT_TRUE(SpanTeethAccepted(p, 1));
    for (double pin : {0.0, -1.0, 52.001, static_cast<double>(NAN)}) {
        EXPECT_FALSE(PinDiameterAccepted(p, pin)) << pin;
    }
    for (int k : {0, -2, 24}) {
        EXPECT_FALSE(SpanTeethAccepted(p, k)) << k;
    }
}

}  // namespace
