#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "gear/parameter_check.h"
#include "gear/tooth_profile.h"
#include "gear/tooth_rotation.h"

namespace {

// What the script writes for a point.
std::string Printed(ModelPoint p) {
    char text[128];
    snprintf(text, sizeof text, "%f,%f", p.x, p.y);
    return text;
}

// Angle of a point counter-clockwise from the +x axis, 0 to 2 pi.
double PolarAngle(ModelPoint p) {
    const double a = std::atan2(p.y, p.x);
    return a < 0 ? a + 2 * M_PI : a;
}

// The counter-clockwise sweep of an arc as a difference of polar angles.
double SweepOf(ModelPoint start, ModelPoint end) {
    return std::fmod(PolarAngle(end) - PolarAngle(start) + 4 * M_PI, 2 * M_PI);
}

// Whether two neighbouring points of the outline print apart at six decimals however the
// tooth is turned: closer than sqrt(2) * 1e-6, both coordinates can differ by less than
// 1e-6 and print alike.
bool ApartAtAnyTurn(ModelPoint a, ModelPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y) > std::sqrt(2.0) * 1e-6;
}

// The conditions a sound gear meets, tested on the profile and the placed outline without
// the check's code: empty when sound, else what failed.
std::string Unsound(const GearParameters& p) {
    const double alpha = p.pressureAngleDeg * M_PI / 180;
    const double cx = -((p.dedendumCoef - p.toolTipRadiusCoef) * tan(alpha) + M_PI / 4 +
                        p.toolTipRadiusCoef / cos(alpha));
    if (!(p.toolTipRadiusCoef - p.dedendumCoef + p.profileShiftCoef < 0)) {
        return "rounding centre on or above the pitch line";
    }
    if (!(std::fabs(cx) < M_PI / 2)) {
        return "rounding centre outside the cutter tooth";
    }
    GearGeometry g;
    static ToothProfile profile;
    ComputeProfileOf(p, &g, &profile);
    const int n = p.toothCount;
    const int nF = p.filletDivisions;
    const int last = nF + p.involuteDivisions;
    const double ra = g.tipRadius;
    const double tolerance = 1e-9 * ra;
    const ToothRotation none = RotationOfTooth(0, 1);
    std::string falls;
    for (int i = 0; i <= last; i++) {
        const ModelPoint point = StoredPoint(profile, i, none);
        const double r = std::hypot(point.x, point.y);
        if (!(r >= g.rootRadius - tolerance && r <= ra + tolerance)) {
            return "point " + std::to_string(i) + " outside the ring";
        }
        // Measured from the centre line towards the left flank.
        const double fromCentreLine = std::atan2(-point.x, point.y);
        if (!(fromCentreLine > 0 && fromCentreLine <= M_PI / n)) {
            return "point " + std::to_string(i) + " outside its half pitch";
        }
        if (i > 0 && !ApartAtAnyTurn(point, StoredPoint(profile, i - 1, none))) {
            return "points " + std::to_string(i - 1) + " and " + std::to_string(i) + " too close";
        }
        if (i > nF) {
            const ModelPoint before = StoredPoint(profile, i - 1, none);
            falls += r > std::hypot(before.x, before.y) ? '+' : '-';
        }
    }
    if (std::fabs(std::hypot(profile.profileX[0], profile.profileY[0]) - g.rootRadius) >
            tolerance ||
        std::fabs(std::hypot(profile.profileX[last], profile.profileY[last]) - ra) > tolerance) {
        return "ends off their circles";
    }
    if (falls.find("+-") != std::string::npos) {
        return "involute radius falls after rising: " + falls;
    }
    // Teeth at both ends of the turn, where the placement's rounding differs most.
    for (int k = 0; k < n; k = (k == 40 && n > 100) ? n - 40 : k + 1) {
        const ToothRotation r = RotationOfTooth(k, n);
        const ToothRotation before = RotationOfTooth(k == 0 ? n - 1 : k - 1, n);
        const ModelPoint tip[] = {MirroredPoint(profile, last, r), StoredPoint(profile, last, r)};
        const ModelPoint gap[] = {StoredPoint(profile, 0, r), MirroredPoint(profile, 0, before)};
        for (const ModelPoint* arc : {tip, gap}) {
            const double sweep = SweepOf(arc[0], arc[1]);
            if (!(sweep > 0 && sweep < 2 * M_PI / n)) {
                return "tooth " + std::to_string(k) + ": an arc sweeps " + std::to_string(sweep);
            }
            if (Printed(arc[0]) == Printed(arc[1]) || !ApartAtAnyTurn(arc[0], arc[1])) {
                return "tooth " + std::to_string(k) + ": arc ends print alike " + Printed(arc[0]);
            }
        }
        for (int i = 0; i < last && (k <= 1 || k == n - 1); i++) {
            if (Printed(StoredPoint(profile, i, r)) == Printed(StoredPoint(profile, i + 1, r)) ||
                Printed(MirroredPoint(profile, i, r)) ==
                    Printed(MirroredPoint(profile, i + 1, r))) {
                return "tooth " + std::to_string(k) + ": points print alike at " +
                       std::to_string(i);
            }
        }
    }
    return "";
}

GearParameters Gear(int z, double m, double a, double x, double ha, double hf, double rho, int nI,
                    int nF) {
    return GearParameters{z, m, a, x, ha, hf, rho, nI, nF};
}

TEST(GeneratedOutline, RefusesTheBrokenGearsItWasShown) {
    const struct {
        const char* what;
        GearParameters p;
        ParameterRule rule;
        GearField field;
    } cases[] = {
        {"addendum 50: the flank spirals round", Gear(24, 2, 20, 0, 50, 1.25, 0.25, 30, 20),
         kRulePointedTooth, kFieldAddendum},
        {"pressure angle 5: the fillet loops past the tip",
         Gear(24, 2, 5, 0, 1, 1.25, 0.25, 30, 20), kRuleFlankEntersNeighbour, kFieldToothCount},
        {"pressure angle 1e-300", Gear(24, 2, 1e-300, 0, 1, 1.25, 0.25, 30, 20),
         kRuleProfileOffCircles, kFieldPressureAngle},
        {"6 teeth, shift -1", Gear(6, 2, 20, -1, 1, 1.25, 0.25, 30, 20),
         kRuleFlankCrossesCentreLine, kFieldToothCount},
        {"3 teeth", Gear(3, 2, 20, 0, 1, 1.25, 0.25, 30, 20), kRuleFlankEntersNeighbour,
         kFieldToothCount},
        {"7 teeth, shift -0.5, 14.5 degrees", Gear(7, 2, 14.5, -0.5, 1, 1.25, 0.25, 30, 20),
         kRuleFlankEntersNeighbour, kFieldToothCount},
        {"rounding centre 1e-16 below the pitch line",
         Gear(19, 2, 20, 0.9999999999999999, 1, 1.25, 0.25, 30, 20), kRuleRoundingAbovePitchLine,
         kFieldProfileShift},
        {"9999 teeth, rounding just inside the cutter tooth",
         Gear(9999, 2, 20, 0, 1, 1.25, 0.4719096, 30, 20), kRuleRoundingTooWide,
         kFieldToolTipRadius},
        {"module 1e-7", Gear(24, 1e-7, 20, 0, 1, 1.25, 0.25, 30, 20), kRuleModuleTooSmall,
         kFieldModule},
    };
    for (const auto& c : cases) {
        const ParameterProblem problem = CheckGearParameters(c.p);
        EXPECT_EQ(problem.rule, c.rule) << c.what;
        EXPECT_EQ(problem.field, c.field) << c.what;
        EXPECT_NE(Unsound(c.p), "") << c.what;
    }
}

TEST(GeneratedOutline, SmallestModuleIsTheBoundaryForTheChosenDivisions) {
    GearParameters p = DefaultGearParameters();
    p.module = 1e-7;
    const double smallest = CheckGearParameters(p).limit;
    EXPECT_NEAR(smallest, 8.45e-5, 1e-7);
    p.module = smallest;
    EXPECT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
    EXPECT_EQ(Unsound(p), "");
    p.module = smallest * 0.99;
    EXPECT_EQ(CheckGearParameters(p).rule, kRuleModuleTooSmall);
    // Fewer divisions part the points further.
    p.filletDivisions = 2;
    p.involuteDivisions = 3;
    EXPECT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
}

TEST(GeneratedOutline, SoundUndercutStaysAccepted) {
    const GearParameters undercut[] = {Gear(12, 2, 20, 0, 1, 1.25, 0.25, 30, 20),
                                       Gear(8, 2, 20, 0.5, 1, 1.25, 0.25, 30, 20),
                                       Gear(7, 2, 20, 0, 1, 1.25, 0.25, 30, 20)};
    for (const GearParameters& p : undercut) {
        EXPECT_EQ(CheckGearParameters(p).rule, kRuleAccepted) << p.toothCount << " teeth";
        EXPECT_EQ(Unsound(p), "") << p.toothCount << " teeth";
    }
}

// Every realistic gear is refused exactly when it is unsound, margins or not.
TEST(GeneratedOutline, RealisticGearsAreRefusedOnlyWhenUnsound) {
    const int teeth[] = {7, 8, 10, 13, 17, 30, 101, 500, 2000};
    const double modules[] = {0.05, 1, 50};
    const double angles[] = {14.5, 20, 25};
    const double shifts[] = {-0.5, 0, 0.45, 1};
    const double addenda[] = {0.8, 1.2};
    const double dedenda[] = {1.1, 1.4};
    const double radii[] = {0, 0.2, 0.38};
    const int divisions[][2] = {{1, 1}, {30, 20}, {100, 70}};
    int accepted = 0;
    int refused = 0;
    for (int z : teeth)
        for (double m : modules)
            for (double a : angles)
                for (double x : shifts)
                    for (double ha : addenda)
                        for (double hf : dedenda)
                            for (double rho : radii)
                                for (const auto& d : divisions) {
                                    const GearParameters p =
                                        Gear(z, m, a, x, ha, hf, rho, d[0], d[1]);
                                    const bool sound = Unsound(p).empty();
                                    const bool taken = CheckGearParameters(p).rule == kRuleAccepted;
                                    ASSERT_EQ(taken, sound)
                                        << z << " teeth, m " << m << ", " << a << " deg, x " << x
                                        << ", ha " << ha << ", hf " << hf << ", rho " << rho
                                        << ", divisions " << d[0] << "/" << d[1] << ": "
                                        << Unsound(p);
                                    (taken ? accepted : refused)++;
                                }
    EXPECT_GT(accepted, 7000);
    EXPECT_GT(refused, 100);
}

// Wide and hostile values, seeded: whatever the check accepts is a sound gear.
TEST(GeneratedOutline, EveryAcceptedRandomGearIsSound) {
    std::mt19937_64 random(20240608);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto logUniform = [&](double lo, double hi) { return std::exp(uniform(log(lo), log(hi))); };
    int accepted = 0;
    for (int i = 0; i < 4000; i++) {
        // Each value usual nine times in ten, otherwise anything of either sign.
        auto usual = [&](double lo, double hi) {
            const double pick = uniform(0, 1);
            if (pick < 0.9) {
                return uniform(lo, hi);
            }
            return (pick < 0.95 ? 1 : -1) * logUniform(1e-12, 1e6);
        };
        GearParameters p;
        p.toothCount =
            static_cast<int>(uniform(0, 1) < 0.9 ? logUniform(5, 3000) : logUniform(1, 10000));
        p.module = uniform(0, 1) < 0.9 ? logUniform(1e-3, 100) : logUniform(1e-8, 1e6);
        p.pressureAngleDeg = uniform(0, 1) < 0.9 ? uniform(8, 35) : logUniform(1e-300, 90);
        p.profileShiftCoef = usual(-1, 1.2);
        p.addendumCoef = usual(0.5, 1.5);
        p.dedendumCoef = usual(0.8, 1.6);
        p.toolTipRadiusCoef = std::fabs(usual(0, 0.5));
        p.involuteDivisions = 1 + static_cast<int>(uniform(0, 100));
        p.filletDivisions = 1 + static_cast<int>(uniform(0, 70));
        if (CheckGearParameters(p).rule != kRuleAccepted) {
            continue;
        }
        accepted++;
        ASSERT_EQ(Unsound(p), "") << "seeded input " << i << ": " << p.toothCount << " teeth, m "
                                  << p.module << ", " << p.pressureAngleDeg << " deg, x "
                                  << p.profileShiftCoef << ", ha " << p.addendumCoef << ", hf "
                                  << p.dedendumCoef << ", rho " << p.toolTipRadiusCoef;
    }
    EXPECT_GT(accepted, 1000);
}

}  // namespace

// Far below the least printable module the coordinates underflow; the refusal still names
// the module and the same least value, whatever tiny module was typed, and that value is
// accepted.
TEST(GeneratedOutline, AnyModuleBelowTheLeastPrintableNamesTheModuleAndItsMinimum) {
    std::mt19937_64 random(20261207);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const double tiny[] = {4.9e-324, 2.2250738585072014e-308, 1e-300, 1e-200, 1e-100, 1e-30};
    int checked = 0;
    for (int i = 0; i < 100; i++) {
        GearParameters p = Gear(
            static_cast<int>(std::exp(uniform(std::log(5), std::log(1000)))), 1, uniform(10, 30),
            uniform(-0.5, 1), uniform(0.6, 1.4), uniform(1, 1.6), uniform(0, 0.4),
            1 + static_cast<int>(uniform(0, 100)), 1 + static_cast<int>(uniform(0, 70)));
        if (CheckGearParameters(p).rule != kRuleAccepted) {
            continue;
        }
        checked++;
        p.module = 1e-7;
        const ParameterProblem named = CheckGearParameters(p);
        ASSERT_EQ(named.rule, kRuleModuleTooSmall) << "seeded input " << i;
        for (double m : tiny) {
            p.module = m;
            const ParameterProblem problem = CheckGearParameters(p);
            ASSERT_EQ(problem.rule, kRuleModuleTooSmall) << "seeded input " << i << ", m " << m;
            ASSERT_EQ(problem.field, kFieldModule);
            ASSERT_EQ(problem.limit, named.limit) << "seeded input " << i << ", m " << m;
        }
        p.module = named.limit;
        ASSERT_EQ(CheckGearParameters(p).rule, kRuleAccepted) << "seeded input " << i;
    }
    EXPECT_GT(checked, 50);
}
