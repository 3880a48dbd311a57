#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gear/shaper_check.h"
#include "gear/shaper_form_circle.h"
#include "gear/shaper_profile.h"
#include "gear/form_circle.h"

namespace {

const int kDense = 1000;

double AngleLeftOfCentreLine(ModelPoint p) {
    return std::atan2(-p.x, p.y);
}

// A flank sampled densely from root to tip; the root circle continues its outline from the
// root point to the middle of the space.
struct DenseFlank {
    ModelPoint point[2 * kDense + 1];
    double rootRadius;
};

// The distance from p to the outline that f belongs to: its chords or the root arc.
double DistanceToOutline(ModelPoint p, const DenseFlank& f) {
    double d = HUGE_VAL;
    if (AngleLeftOfCentreLine(p) >= AngleLeftOfCentreLine(f.point[0])) {
        d = std::fabs(std::hypot(p.x, p.y) - f.rootRadius);
    }
    for (int i = 0; i < 2 * kDense; i++) {
        const ModelPoint a = f.point[i];
        const ModelPoint b = f.point[i + 1];
        const double t = ((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) /
                         (Square(b.x - a.x) + Square(b.y - a.y));
        const double u = std::fmax(0, std::fmin(1, t));
        d = std::fmin(d, std::hypot(p.x - a.x - u * (b.x - a.x), p.y - a.y - u * (b.y - a.y)));
    }
    return d;
}

// The farther of the two one-way distances between the outlines.
double OutlineDistance(const DenseFlank& a, const DenseFlank& b) {
    double d = 0;
    for (int i = 0; i <= 2 * kDense; i++) {
        d = std::fmax(
            d, std::fmax(DistanceToOutline(a.point[i], b), DistanceToOutline(b.point[i], a)));
    }
    return d;
}

void SampleRackCut(const GearParameters& p, DenseFlank* f) {
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    for (int i = 0; i <= kDense; i++) {
        f->point[i] =
            FilletPointAt(p, g, g.thetaStart + i * (g.thetaTransition - g.thetaStart) / kDense);
        f->point[kDense + i] = InvolutePointAt(
            p, alpha, g.thetaTransition + i * (g.thetaEnd - g.thetaTransition) / kDense);
    }
    f->rootRadius = p.module * (p.toothCount / 2.0 + p.profileShiftCoef - p.dedendumCoef);
}

void SampleShaperCut(const ShaperCutting& c, DenseFlank* f) {
    for (int i = 0; i <= kDense; i++) {
        const double fillet = c.rollStart + i * (c.rollTransition - c.rollStart) / kDense;
        const double involute = c.rollTransition + i * (c.rollEnd - c.rollTransition) / kDense;
        f->point[i] = ShaperFilletAt(c, fillet).point;
        f->point[kDense + i] = ShaperInvoluteAt(c, involute).point;
    }
    f->rootRadius = c.rootRadius;
}

// The cutter's tip rounding runs on a circle of z0 m / 2 instead of a straight line: the
// fillet parts from the rack's by about 1.2 m / z0.
TEST(ShaperProfile, LargeCuttersCutTheRackProfileOfTheDefaultGear) {
    const GearParameters p = DefaultGearParameters();
    static DenseFlank rack;
    static DenseFlank shaper;
    SampleRackCut(p, &rack);
    const struct {
        int teeth;
        double within;  // modules
    } cutters[] = {{300, 5e-3}, {3000, 5e-4}};
    for (const auto& cutter : cutters) {
        const ShaperSetup setup = {false, cutter.teeth, 0, 0};
        ASSERT_EQ(CheckShaperCut(p, setup).rule, kShaperAccepted);
        SampleShaperCut(ComputeShaperCutting(p, setup), &shaper);
        EXPECT_LT(OutlineDistance(rack, shaper), cutter.within * p.module) << cutter.teeth;
    }
}

// An undercut gear: the cut of the rounding crosses the involute where the rack's does.
TEST(ShaperProfile, LargeCutterUndercutsTenTeethLikeTheRack) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 10;
    const ShaperSetup setup = {false, 4000, 0, 0};
    ASSERT_EQ(CheckShaperCut(p, setup).rule, kShaperAccepted);
    const ShaperCutting c = ComputeShaperCutting(p, setup);
    ASSERT_LT(c.transitionDistance, 0);
    const double rack = UndercutFormDiameter(p, p.pressureAngleDeg * kProfilePi / 180);
    EXPECT_NEAR(ShaperFormDiameter(c), rack, 1e-3 * p.module);
}

// Circles of a ring of 50 teeth (m 2, 20 degrees, ha 1, hf 1.25, rho 0.25) cut by a
// 25-tooth cutter, worked by hand:
// x = x0 = 0: a0 = m (z - z0) / 2 = 25, r_a0 = m (z0/2 + hf) = 27.5, d_f = 2 (a0 + r_a0).
//   The rounding centre's circle 27 and the cutter's base circle 23.492316 put the flank's
//   end sqrt(27^2 - 23.492316^2) + 0.5 = 13.808310 past the cutter's interference point,
//   which lies a0 sin 20 = 8.550504 from the ring's: d_F = 2 sqrt(46.984631^2 + 22.358813^2).
// x = 0.4, x0 = 0.1: inv a_w0 = 2 tan 20 (0.3 / 25) + inv 20 = 0.0236397, a_w0 = 23.186114
//   degrees, a0 = 25 cos 20 / cos a_w0 = 25.556493, r_a0 = 27.7; the flank's end
//   sqrt(27.2^2 - 23.492316^2) + 0.5 = 14.209526 and a0 sin a_w0 = 10.062080.
TEST(ShaperProfile, RingOfFiftyTeethHasTheHandComputedCircles) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 50;
    const struct {
        double x, x0, da, df, dF;
    } rings[] = {{0, 0, 96, 105, 104.066750}, {0.4, 0.1, 97.6, 106.512987, 105.767035}};
    for (const auto& ring : rings) {
        p.profileShiftCoef = ring.x;
        ShaperSetup setup = {true, 25, ring.x0, 0};
        setup.rimDiameter = DefaultRimDiameter(p, setup);
        ASSERT_EQ(CheckShaperCut(p, setup).rule, kShaperAccepted);
        const ShaperCutting c = ComputeShaperCutting(p, setup);
        EXPECT_NEAR(2 * c.tipRadius, ring.da, 1e-6);
        EXPECT_NEAR(2 * c.rootRadius, ring.df, 1e-6);
        EXPECT_NEAR(ShaperFormDiameter(c), ring.dF, 1e-6);
        EXPECT_NEAR(setup.rimDiameter, ring.df + 8, 1e-6);
        EXPECT_FALSE(c.tipBeyondCutterInterference);
    }
}

// Gears spread over the domain, external and rings, accepted by the check.
int ForAcceptedGears(int count, void (*check)(const GearParameters&, const ShaperSetup&)) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked = 0;
    for (int i = 0; i < count; i++) {
        GearParameters p = DefaultGearParameters();
        const bool ring = i % 2 == 1;
        p.toothCount = 8 + static_cast<int>(unit(random) * 150);
        p.module = 0.5 + 5 * unit(random);
        p.pressureAngleDeg = 14.5 + 15 * unit(random);
        p.profileShiftCoef = -0.5 + unit(random);
        p.addendumCoef = 0.7 + 0.4 * unit(random);
        p.dedendumCoef = 1.1 + 0.3 * unit(random);
        p.toolTipRadiusCoef = 0.4 * unit(random);
        ShaperSetup setup = {ring, 12 + static_cast<int>(unit(random) * 60),
                             -0.3 + 0.6 * unit(random), 0};
        setup.rimDiameter = DefaultRimDiameter(p, setup);
        if (CheckShaperCut(p, setup).rule == kShaperAccepted) {
            check(p, setup);
            checked++;
        }
    }
    return checked;
}

// The polar form of the involute of the base circle: the flank's angle left of the centre
// line on the circle r is pi / 2z +- (2 x tan a / z + inv a - inv a_r) (a ring: minus).
void CheckInvoluteOnBaseCircle(const GearParameters& p, const ShaperSetup& setup) {
    const ShaperCutting c = ComputeShaperCutting(p, setup);
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    const double z = p.toothCount;
    const double invAlpha = std::tan(alpha) - alpha;
    double worst = 0;
    double previous = 0;
    for (int i = 0; i <= 200; i++) {
        const ModelPoint q =
            ShaperInvoluteAt(c, c.rollTransition + i * (c.rollEnd - c.rollTransition) / 200).point;
        const double r = std::hypot(q.x, q.y);
        // An undercut involute first runs back to the base circle on its other branch.
        const bool otherBranch = !setup.ring && !(i > 0 && r > previous);
        previous = r;
        if (otherBranch) {
            continue;
        }
        const double alphaR = std::acos(std::fmin(1, c.baseRadius / r));
        const double angle =
            kProfileHalfPi / z + c.sense * (2 * p.profileShiftCoef * std::tan(alpha) / z +
                                            invAlpha - (std::tan(alphaR) - alphaR));
        worst = std::fmax(worst, std::fabs(AngleLeftOfCentreLine(q) - angle) * r);
    }
    EXPECT_LT(worst, 1e-12 * std::fmax(c.tipRadius, c.rootRadius))
        << "z=" << p.toothCount << " ring=" << setup.ring;
}

TEST(ShaperProfile, InvoluteIsTheBaseCirclesInvoluteToTheLastBits) {
    EXPECT_GT(ForAcceptedGears(2000, CheckInvoluteOnBaseCircle), 1000);
}

// The fillet is an envelope: its normal passes through the instantaneous centre of the
// cutting motion, the pitch point (0, r_w) turned with the gear. It starts on the root
// circle, meets the involute, and its derivative is the curve's.
void CheckFilletEnvelope(const GearParameters& p, const ShaperSetup& setup) {
    const ShaperCutting c = ComputeShaperCutting(p, setup);
    const double size = std::fmax(c.tipRadius, c.rootRadius);
    SCOPED_TRACE(testing::Message()
                 << "z=" << p.toothCount << " z0=" << setup.cutterTeeth << " ring=" << setup.ring);
    const ModelPoint root = ShaperFilletAt(c, c.rollStart).point;
    EXPECT_NEAR(std::hypot(root.x, root.y), c.rootRadius, 1e-12 * size);
    const ModelPoint end = ShaperFilletAt(c, c.rollTransition).point;
    const ModelPoint start = ShaperInvoluteAt(c, c.rollTransition).point;
    EXPECT_LT(std::hypot(end.x - start.x, end.y - start.y), 1e-12 * size);
    for (int i = 1; i < 16; i++) {
        const double roll = c.rollStart + i * (c.rollTransition - c.rollStart) / 16;
        const double h = 1e-6 * std::fabs(c.rollTransition - c.rollStart);
        const ModelPoint ahead = ShaperFilletAt(c, roll + h).point;
        const ModelPoint behind = ShaperFilletAt(c, roll - h).point;
        const ModelPoint tangent = {(ahead.x - behind.x) / (2 * h), (ahead.y - behind.y) / (2 * h)};
        const CurvePoint f = ShaperFilletAt(c, roll);
        const ModelPoint pitch = {c.pitchRadius * std::sin(roll), c.pitchRadius * std::cos(roll)};
        const double nx = f.point.x - pitch.x;
        const double ny = f.point.y - pitch.y;
        const double speed = std::hypot(tangent.x, tangent.y);
        EXPECT_LT(std::fabs(nx * tangent.x + ny * tangent.y) / std::hypot(nx, ny) / speed, 1e-6);
        EXPECT_LT(std::hypot(f.derivative.x - tangent.x, f.derivative.y - tangent.y), 1e-6 * speed);
    }
}

TEST(ShaperProfile, FilletIsTheEnvelopeOfTheCuttersRounding) {
    EXPECT_GT(ForAcceptedGears(2000, CheckFilletEnvelope), 1000);
}

}  // namespace
