#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "gear/fitted_flank.h"
#include "gear/gear_cut.h"
#include "gear/gear_data.h"
#include "gear/parameter_check.h"
#include "gear/shaper_form_circle.h"
#include "gear/shaper_profile.h"
#include "gear/tooth_profile.h"
#include "tests/unit/flank_deviation.h"

namespace {

// Large: in static storage, like the program's.
FittedFlank flank;

double Radius(ModelPoint p) {
    return std::hypot(p.x, p.y);
}

double AlphaOf(const GearParameters& p) {
    return p.pressureAngleDeg * kProfilePi / 180;
}

// The largest distance of the exact flank from the fitted arcs.
double LargestDeviation(const GearParameters& p, const GearData& data) {
    return LargestFlankDeviation(p, data, flank.arc, flank.count, RotationOfTooth(0, 1), false);
}

// The angle between two directions, radians.
double AngleBetween(double a, double b) {
    return std::fabs(std::remainder(a - b, 2 * M_PI));
}

GearParameters Gear(int z, double x, double alphaDeg) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = z;
    p.profileShiftCoef = x;
    p.pressureAngleDeg = alphaDeg;
    return p;
}

// A gear from the spread of the property tests: small tooth counts (many undercut) half the
// time, modules from 1e-3 to 1e4.
GearParameters RandomGear(std::mt19937_64& random) {
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    GearParameters p = DefaultGearParameters();
    p.toothCount = uniform(0, 1) < 0.5
                       ? static_cast<int>(uniform(3, 41))
                       : static_cast<int>(std::exp(uniform(std::log(40), std::log(10000))));
    p.module = std::exp(uniform(std::log(1e-3), std::log(1e4)));
    p.pressureAngleDeg = uniform(12, 32);
    p.profileShiftCoef = uniform(-0.6, 1.0);
    p.addendumCoef = uniform(0.6, 1.4);
    p.dedendumCoef = uniform(0.9, 1.5);
    p.toolTipRadiusCoef = uniform(0, 0.4);
    return p;
}

// What every fitted flank must be: arcs from the root point, tangent to the root circle,
// to the tip point, each at least the tolerance long, joined end to end with one tangent
// but at the undercut corner, which lies on the form circle of the gear data.
void ExpectSoundFlank(const GearParameters& p, const GearData& data, double tolerance) {
    const GeneratingMotion g = ComputeGeneratingMotion(p, AlphaOf(p));
    ASSERT_GT(flank.count, 0);
    const ModelPoint root = flank.arc[0].start;
    const ModelPoint rootPoint = FilletPointAt(p, g, g.thetaStart);
    const ModelPoint tipPoint = InvolutePointAt(p, AlphaOf(p), g.thetaEnd);
    EXPECT_EQ(root.x, rootPoint.x);
    EXPECT_EQ(root.y, rootPoint.y);
    EXPECT_EQ(flank.arc[flank.count - 1].end.x, tipPoint.x);
    EXPECT_EQ(flank.arc[flank.count - 1].end.y, tipPoint.y);
    // Clockwise along the root circle, toward the tooth.
    const double alongRoot = std::atan2(root.y, root.x) - M_PI / 2;
    EXPECT_LT(AngleBetween(FittedArcStartDirection(flank.arc[0]), alongRoot), 1e-9);
    for (int i = 0; i < flank.count; i++) {
        const FittedArc& a = flank.arc[i];
        ASSERT_GE(std::hypot(a.end.x - a.start.x, a.end.y - a.start.y), tolerance) << i;
        if (i == 0) {
            continue;
        }
        const FittedArc& before = flank.arc[i - 1];
        ASSERT_EQ(before.end.x, a.start.x) << i;
        ASSERT_EQ(before.end.y, a.start.y) << i;
        const double turn = AngleBetween(FittedArcEndDirection(before), FittedArcStartDirection(a));
        // What the rounding of the arcs' ends alone turns their chords by.
        const double chord =
            std::fmin(std::hypot(a.end.x - a.start.x, a.end.y - a.start.y),
                      std::hypot(before.end.x - before.start.x, before.end.y - before.start.y));
        const double rounding = 8 * DBL_EPSILON * data.tipDiameter / chord;
        if (i == flank.cornerArc) {
            EXPECT_GT(turn, 1e-6);
        } else {
            ASSERT_LT(turn, 1e-9 + rounding) << "join " << i;
        }
    }
    EXPECT_EQ(flank.cornerArc > 0, data.undercut);
    if (data.undercut) {
        EXPECT_DOUBLE_EQ(2 * Radius(flank.arc[flank.cornerArc].start), data.formDiameter);
    }
}

TEST(FittedFlank, DefaultGearTakesAtMost34EntitiesPerTooth) {
    const GearParameters p = DefaultGearParameters();
    ASSERT_TRUE(FitRackFlank(p, 1e-4 * p.module, &flank));
    // Both flanks, the tip arc and the gap arc.
    const int entities = 2 * flank.count + 2;
    EXPECT_LE(entities, 34);
    std::printf("default gear, tolerance 1e-4 m: %d arcs a flank, %d entities a tooth\n",
                flank.count, entities);
}

// The undercut gears of the handbooks' tables: the flank turns a corner where the cutter's
// rounding crosses the involute, exactly on the form circle the gear data report.
TEST(FittedFlank, UndercutTurnsTheCornerOnTheFormCircle) {
    const GearParameters gears[] = {Gear(12, 0, 20), Gear(8, 0.5, 20), Gear(8, 0.5, 14.5),
                                    Gear(9, 0, 14.5)};
    for (const GearParameters& p : gears) {
        SCOPED_TRACE(testing::Message() << "z=" << p.toothCount << " x=" << p.profileShiftCoef
                                        << " a=" << p.pressureAngleDeg);
        ASSERT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
        GearData data;
        ComputeGearData(p, 0, 0, &data);
        ASSERT_TRUE(data.undercut);
        const double tolerance = 1e-5 * p.module;
        ASSERT_TRUE(FitRackFlank(p, tolerance, &flank));
        ExpectSoundFlank(p, data, tolerance);
        EXPECT_LE(LargestDeviation(p, data), tolerance);
    }
}

// Thousands of seeded gears the check accepts, undercut ones among them, modules from 1e-3
// to 1e4, at four tolerances: every sampled point of the exact flank lies within the
// tolerance of the arcs, give or take the rounding of the coordinates.
TEST(FittedFlank, StaysWithinTheToleranceOverSeededGears) {
    std::mt19937_64 random(20240612);
    const double tolerances[] = {1e-2, 1e-3, 1e-4, 1e-5};
    int fitted = 0;
    int undercut = 0;
    double worst = 0;
    for (int trial = 0; trial < 4000; trial++) {
        const GearParameters p = RandomGear(random);
        if (CheckGearParameters(p).rule != kRuleAccepted) {
            continue;
        }
        SCOPED_TRACE(testing::Message()
                     << "z=" << p.toothCount << " m=" << p.module << " a=" << p.pressureAngleDeg
                     << " x=" << p.profileShiftCoef << " ha=" << p.addendumCoef
                     << " hf=" << p.dedendumCoef << " rho=" << p.toolTipRadiusCoef);
        GearData data;
        ComputeGearData(p, 0, 0, &data);
        const double tolerance = tolerances[fitted % 4] * p.module;
        ASSERT_TRUE(FitRackFlank(p, tolerance, &flank));
        ExpectSoundFlank(p, data, tolerance);
        const double rounding = 64 * DBL_EPSILON * data.tipDiameter;
        const double deviation = LargestDeviation(p, data);
        ASSERT_LE(deviation, tolerance + rounding);
        worst = std::fmax(worst, deviation / tolerance);
        fitted++;
        undercut += data.undercut ? 1 : 0;
    }
    EXPECT_GT(fitted, 2500);
    EXPECT_GT(undercut, 300);
    std::printf("%d gears, %d undercut: largest deviation %.4f of the tolerance\n", fitted,
                undercut, worst);
}

// Down to the least tolerance, for the largest gear, the smallest and largest modules and
// an undercut one; below it the fit refuses.
TEST(FittedFlank, HoldsDownToTheLeastToleranceAndRefusesBelow) {
    GearParameters largest = DefaultGearParameters();
    largest.toothCount = 9999;
    largest.module = 1e4;
    GearParameters smallest = DefaultGearParameters();
    smallest.module = 1e-3;
    const GearParameters gears[] = {largest, smallest, Gear(12, 0, 20)};
    for (const GearParameters& p : gears) {
        SCOPED_TRACE(testing::Message() << "z=" << p.toothCount << " m=" << p.module);
        const double least = LeastFitTolerance(p);
        EXPECT_NEAR(least, 1e-9 * p.module, 1e-24 * p.module);
        EXPECT_FALSE(FitRackFlank(p, least * 0.99, &flank));
        ASSERT_TRUE(FitRackFlank(p, least, &flank));
        GearData data;
        ComputeGearData(p, 0, 0, &data);
        ExpectSoundFlank(p, data, least);
        EXPECT_LE(LargestDeviation(p, data), least + 64 * DBL_EPSILON * data.tipDiameter);
    }
}

// The largest distance from the arcs of the exact flank of a shaper-cut gear: its fillet
// and involute sampled densely by roll angle, each kept on its own side of the form circle
// (a ring's fillet lies outside it), the involute on the branch that reaches the tip.
double LargestShaperDeviation(const ShaperCutting& c) {
    const double form = ShaperFormDiameter(c) / 2;
    const double side = c.sense;  // +1: the fillet lies inside the form circle
    auto nearest = [&](ModelPoint point) {
        double d = HUGE_VAL;
        for (int i = 0; i < flank.count; i++) {
            d = std::fmin(d, DistanceToArc(flank.arc[i], point));
        }
        return d;
    };
    double worst = 0;
    const int samples = 1500;
    for (int i = 0; i <= samples; i++) {
        const double roll = c.rollStart + i * (c.rollTransition - c.rollStart) / samples;
        const ModelPoint point = ShaperFilletAt(c, roll).point;
        if (side * (Radius(point) - form) <= 0) {
            worst = std::fmax(worst, nearest(point));
        }
    }
    // The involute leaves the base circle where the string is wound up.
    const double fromBase = c.involuteStart - c.sense * c.pressureAngle;
    const double from = c.transitionDistance < 0 ? fromBase : c.rollTransition;
    for (int i = 0; i <= samples; i++) {
        const double roll = from + i * (c.rollEnd - from) / samples;
        const ModelPoint point = ShaperInvoluteAt(c, roll).point;
        if (side * (Radius(point) - form) >= 0) {
            worst = std::fmax(worst, nearest(point));
        }
    }
    return worst;
}

// Seeded shaper-cut gears, external and rings, small cutters and large, undercut external
// gears among them: the arcs run root to tip within the tolerance of the exact curves, joined
// along one tangent but at an undercut corner, which lies on the form circle.
TEST(FittedFlank, ShaperCutGearsAndRingsStayWithinTheTolerance) {
    std::mt19937_64 random(20261207);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    int fitted[2] = {};
    int corners = 0;
    double worst = 0;
    for (int trial = 0; trial < 1500; trial++) {
        const bool ring = trial % 2 == 1;
        GearParameters p = DefaultGearParameters();
        p.toothCount = static_cast<int>(ring ? uniform(30, 300) : uniform(6, 120));
        p.module = std::exp(uniform(std::log(1e-3), std::log(1e3)));
        p.pressureAngleDeg = uniform(14.5, 25);
        p.profileShiftCoef = uniform(-0.5, 1.0);
        p.addendumCoef = uniform(0.8, 1.2);
        p.dedendumCoef = uniform(1.1, 1.4);
        p.toolTipRadiusCoef = uniform(0, 0.4);
        GearCut cut = DefaultShaperCut(ring);
        cut.cutterTeeth = static_cast<int>(uniform(10, 80));
        cut.cutterShiftCoef = uniform(-0.3, 0.5);
        if (CheckGear(p, cut).rule != kRuleAccepted) {
            continue;
        }
        SCOPED_TRACE(testing::Message()
                     << (ring ? "ring" : "external") << " z=" << p.toothCount << " m=" << p.module
                     << " a=" << p.pressureAngleDeg << " x=" << p.profileShiftCoef << " ha="
                     << p.addendumCoef << " hf=" << p.dedendumCoef << " rho=" << p.toolTipRadiusCoef
                     << " z0=" << cut.cutterTeeth << " x0=" << cut.cutterShiftCoef);
        const ShaperSetup setup = ShaperSetupOf(p, cut);
        const ShaperCutting c = ComputeShaperCutting(p, setup);
        const double tolerances[] = {1e-2, 1e-3, 1e-4};
        const double tolerance = tolerances[trial % 3] * p.module;
        ASSERT_TRUE(FitShaperFlank(p, setup, tolerance, &flank));
        const ModelPoint root = ShaperFilletAt(c, c.rollStart).point;
        const ModelPoint tip = ShaperInvoluteAt(c, c.rollEnd).point;
        EXPECT_EQ(flank.arc[0].start.x, root.x);
        EXPECT_EQ(flank.arc[0].start.y, root.y);
        EXPECT_EQ(flank.arc[flank.count - 1].end.x, tip.x);
        EXPECT_EQ(flank.arc[flank.count - 1].end.y, tip.y);
        for (int i = 1; i < flank.count; i++) {
            const double turn = AngleBetween(FittedArcEndDirection(flank.arc[i - 1]),
                                             FittedArcStartDirection(flank.arc[i]));
            if (i == flank.cornerArc) {
                EXPECT_GT(turn, 1e-6);
            } else {
                ASSERT_LT(turn, 1e-6) << "join " << i;
            }
        }
        EXPECT_EQ(flank.cornerArc > 0, c.transitionDistance < 0);
        if (flank.cornerArc > 0) {
            EXPECT_DOUBLE_EQ(2 * Radius(flank.arc[flank.cornerArc].start), ShaperFormDiameter(c));
            corners++;
        }
        const double rounding = 64 * DBL_EPSILON * std::fmax(c.rootRadius, c.tipRadius);
        const double deviation = LargestShaperDeviation(c);
        ASSERT_LE(deviation, tolerance + rounding);
        worst = std::fmax(worst, deviation / tolerance);
        fitted[ring ? 1 : 0]++;
    }
    EXPECT_GT(fitted[0], 300);
    EXPECT_GT(fitted[1], 300);
    EXPECT_GT(corners, 20);
    std::printf(
        "%d external and %d ring gears, %d undercut: largest deviation %.4f of the "
        "tolerance\n",
        fitted[0], fitted[1], corners, worst);
}

}  // namespace
