#include <gtest/gtest.h>

#include <cmath>

#include "gear/parameter_check.h"
#include "gear/gear_value.h"
#include "gear/tooth_profile.h"

namespace {

struct Computed {
    GearGeometry geometry;
    ToothProfile profile;
};

Computed Compute(const GearParameters& p) {
    Computed c = {};
    ComputeProfileOf(p, &c.geometry, &c.profile);
    return c;
}

double RadiusOf(const ToothProfile& profile, int i) {
    return std::hypot(profile.profileX[i], profile.profileY[i]);
}

TEST(DefaultGear, StartsFromTheUsualTwentyDegreeGear) {
    static Gear gear;
    ComputeGear(DefaultGearParameters(), &gear);
    const GearParameters& p = gear.parameters;
    EXPECT_EQ(p.toothCount, 24);
    EXPECT_EQ(p.module, 2.0);
    EXPECT_EQ(p.pressureAngleDeg, 20.0);
    EXPECT_EQ(p.profileShiftCoef, 0.0);
    EXPECT_EQ(p.addendumCoef, 1.0);
    EXPECT_EQ(p.dedendumCoef, 1.25);
    EXPECT_EQ(p.toolTipRadiusCoef, 0.25);
    EXPECT_EQ(p.involuteDivisions, 30);
    EXPECT_EQ(p.filletDivisions, 20);
    EXPECT_EQ(GearLastIndex(gear), 50);
}

TEST(DefaultGear, HasTheRadiiAndPointsOfTheWorkedExample) {
    static Gear gear;
    ComputeGear(DefaultGearParameters(), &gear);
    const GearGeometry& g = gear.geometry;
    EXPECT_EQ(g.drawnToothCount, 24);
    EXPECT_NEAR(g.pressureAngleRad, 0.349065850444, 1e-12);
    EXPECT_DOUBLE_EQ(g.pitchRadius, 24.0);
    EXPECT_DOUBLE_EQ(g.tipRadius, 26.0);
    EXPECT_DOUBLE_EQ(g.rootRadius, 21.5);
    const struct {
        int i;
        double x, y;
    } expected[] = {{0, -2.530072, 21.350614},
                    {20, -1.812194, 22.556587},
                    {21, -1.811840, 22.590072},
                    {50, -0.715460, 25.990154}};
    for (const auto& e : expected) {
        EXPECT_NEAR(gear.profile.profileX[e.i], e.x, 1e-6) << "point " << e.i;
        EXPECT_NEAR(gear.profile.profileY[e.i], e.y, 1e-6) << "point " << e.i;
    }
}

TEST(DefaultGear, RollAnglesOfFilletAndInvolute) {
    const GearParameters p = DefaultGearParameters();
    const GeneratingMotion g = ComputeGeneratingMotion(p, 20.0 * 3.141592654 / 180);
    EXPECT_NEAR(g.thetaStart, -0.1179511, 1e-7);
    EXPECT_NEAR(g.thetaTransition, -0.3469075, 1e-7);
    EXPECT_NEAR(g.thetaEnd, 0.1442388, 1e-7);
}

TEST(DefaultGear, RootPointLiesSixPointSevenFiveEightDegreesLeftOfTheCentreLine) {
    const Computed c = Compute(DefaultGearParameters());
    const double degrees = std::atan2(-c.profile.profileX[0], c.profile.profileY[0]) * 180 / M_PI;
    EXPECT_NEAR(degrees, 6.758, 1e-3);
}

// A spread of gears inside the domain: the profile starts on the root circle at |thetaS|
// from the centre line, ends on the tip circle, and fillet and involute meet without a gap.
TEST(ProfileShape, EndsOnRootAndTipCirclesAndFilletMeetsInvolute) {
    const int teeth[] = {8, 12, 17, 24, 40, 101, 500};
    const double shifts[] = {-0.3, 0.0, 0.4};
    const double angles[] = {14.5, 20.0, 25.0};
    const double radii[] = {0.0, 0.2, 0.38};
    int checked = 0;
    for (int z : teeth) {
        for (double x : shifts) {
            for (double a : angles) {
                for (double rho : radii) {
                    GearParameters p = DefaultGearParameters();
                    p.toothCount = z;
                    p.profileShiftCoef = x;
                    p.pressureAngleDeg = a;
                    p.toolTipRadiusCoef = rho;
                    p.module = 3.5;
                    p.filletDivisions = 7;
                    p.involuteDivisions = 11;
                    if (CheckGearParameters(p).rule != kRuleAccepted) {
                        continue;
                    }
                    checked++;
                    const Computed c = Compute(p);
                    const GeneratingMotion g =
                        ComputeGeneratingMotion(p, c.geometry.pressureAngleRad);
                    SCOPED_TRACE(testing::Message()
                                 << "z=" << z << " x=" << x << " a=" << a << " rho=" << rho);
                    EXPECT_NEAR(RadiusOf(c.profile, 0), c.geometry.rootRadius, 1e-9);
                    EXPECT_NEAR(RadiusOf(c.profile, 18), c.geometry.tipRadius, 1e-9);
                    EXPECT_NEAR(std::atan2(-c.profile.profileX[0], c.profile.profileY[0]),
                                -g.thetaStart, 1e-9);
                    // The involute formula evaluated at the transition angle.
                    const double alpha = c.geometry.pressureAngleRad;
                    const double theta = g.thetaTransition;
                    const double q =
                        cos(alpha) * (theta + 1.570796327 / z) + (2 * x / z) * sin(alpha);
                    const double r = c.geometry.pitchRadius;
                    EXPECT_NEAR(c.profile.profileX[7], r * (sin(theta) - q * cos(theta + alpha)),
                                1e-9);
                    EXPECT_NEAR(c.profile.profileY[7], r * (cos(theta) + q * sin(theta + alpha)),
                                1e-9);
                }
            }
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(ProfileShape, SharpCutterCornerStillStartsOnTheRootCircle) {
    GearParameters p = DefaultGearParameters();
    p.toolTipRadiusCoef = 0;
    const Computed c = Compute(p);
    EXPECT_NEAR(c.profile.profileX[0], -2.218358, 1e-6);
    EXPECT_NEAR(c.profile.profileY[0], 21.385249, 1e-6);
    EXPECT_NEAR(RadiusOf(c.profile, 0), 21.5, 1e-9);
}

TEST(ProfileShape, TwelveShiftedTeethHaveTheirRadiiAtRootAndTip) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 12;
    p.profileShiftCoef = 0.5;
    const Computed c = Compute(p);
    EXPECT_DOUBLE_EQ(c.geometry.rootRadius, 10.5);
    EXPECT_DOUBLE_EQ(c.geometry.tipRadius, 15.0);
    EXPECT_NEAR(RadiusOf(c.profile, 0), 10.5, 1e-9);
    EXPECT_NEAR(RadiusOf(c.profile, 50), 15.0, 1e-9);
}

TEST(ProfileShape, UndercutIsKeptNotTrimmed) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 12;
    ASSERT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
    const Computed c = Compute(p);
    EXPECT_NEAR(RadiusOf(c.profile, 21), 11.434, 1e-3);
    EXPECT_NEAR(RadiusOf(c.profile, 26), 11.277, 1e-3);
    for (int i = 22; i <= 26; i++) {
        EXPECT_LT(RadiusOf(c.profile, i), RadiusOf(c.profile, i - 1)) << "point " << i;
    }
    EXPECT_NEAR(RadiusOf(c.profile, 50), 14.0, 1e-9);
}

TEST(ProfileShape, UndercutBeginsBelowNineteenTeeth) {
    for (int z = 17; z <= 20; z++) {
        GearParameters p = DefaultGearParameters();
        p.toothCount = z;
        const Computed c = Compute(p);
        const bool inward = RadiusOf(c.profile, 21) < RadiusOf(c.profile, 20);
        EXPECT_EQ(inward, z <= 18) << z << " teeth";
    }
}

TEST(Divisions, OneAndOneGiveRootFilletEndAndTipOfTheDefault) {
    const Computed full = Compute(DefaultGearParameters());
    GearParameters p = DefaultGearParameters();
    p.filletDivisions = 1;
    p.involuteDivisions = 1;
    const Computed c = Compute(p);
    const int same[][2] = {{0, 0}, {1, 20}, {2, 50}};
    for (const auto& pair : same) {
        EXPECT_NEAR(c.profile.profileX[pair[0]], full.profile.profileX[pair[1]], 1e-12);
        EXPECT_NEAR(c.profile.profileY[pair[0]], full.profile.profileY[pair[1]], 1e-12);
    }
}

TEST(Divisions, FewerDivisionsLeaveTheEntriesAboveUntouched) {
    Computed c = Compute(DefaultGearParameters());
    const double x30 = c.profile.profileX[30];
    const double y50 = c.profile.profileY[50];
    GearParameters p = DefaultGearParameters();
    p.filletDivisions = 5;
    p.involuteDivisions = 10;
    ComputeProfileOf(p, &c.geometry, &c.profile);
    EXPECT_EQ(c.profile.profileX[30], x30);
    EXPECT_EQ(c.profile.profileY[50], y50);
    EXPECT_NEAR(RadiusOf(c.profile, 15), 26.0, 1e-9);
}

TEST(Divisions, LargestCountsFillOneHundredSeventyOnePoints) {
    GearParameters p = DefaultGearParameters();
    p.filletDivisions = 70;
    p.involuteDivisions = 100;
    ASSERT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
    Computed c = {};
    c.profile.profileX[171] = 12345.0;
    ComputeProfileOf(p, &c.geometry, &c.profile);
    EXPECT_NEAR(RadiusOf(c.profile, 170), 26.0, 1e-9);
    EXPECT_EQ(c.profile.profileX[171], 12345.0);
}

TEST(Divisions, CountsThatDoNotFitTheArraysWriteNoPoint) {
    GearParameters p = DefaultGearParameters();
    const int bad[][2] = {{0, 30}, {20, 0}, {-5, 30}, {100, 72}};
    for (const auto& counts : bad) {
        p.filletDivisions = counts[0];
        p.involuteDivisions = counts[1];
        Computed c = {};
        ComputeProfileOf(p, &c.geometry, &c.profile);
        for (int i = 0; i < kProfileCapacity; i++) {
            ASSERT_EQ(c.profile.profileX[i], 0.0);
        }
    }
}

}  // namespace
