#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gear/ring_data.h"
#include "gear/shaper_check.h"
#include "gear/shaper_profile.h"

namespace {

struct Ring {
    GearParameters p;
    ShaperSetup setup;
};

Ring RingOf(int z, double m, double x, int cutterTeeth, double cutterShift = 0) {
    Ring ring = {DefaultGearParameters(), {true, cutterTeeth, cutterShift, 0}};
    ring.p.toothCount = z;
    ring.p.module = m;
    ring.p.profileShiftCoef = x;
    ring.setup.rimDiameter = DefaultRimDiameter(ring.p, ring.setup);
    return ring;
}

GearData DataOf(const Ring& ring, double pin = 0) {
    GearData data;
    ComputeRingData(ring.p, ring.setup, pin, &data);
    return data;
}

// The generated flank of the tooth on +y: the fillet for t from 0 (root) to 1, the involute
// on to 2 (tip).
ModelPoint FlankAt(const ShaperCutting& c, double t) {
    if (t <= 1) {
        return ShaperFilletAt(c, c.rollStart + t * (c.rollTransition - c.rollStart)).point;
    }
    return ShaperInvoluteAt(c, c.rollTransition + (t - 1) * (c.rollEnd - c.rollTransition)).point;
}

// The distance from the point at radius r on the middle line of the space left of the tooth
// on +y to the generated flank, and the flank's radius there: the nearest of dense samples,
// then a golden-section search between its neighbours.
double DistanceFromFlank(const Ring& ring, double r, double* flankRadius) {
    const ShaperCutting c = ComputeShaperCutting(ring.p, ring.setup);
    const double half = kProfilePi / ring.p.toothCount;
    auto distance = [&](double t) {
        const ModelPoint f = FlankAt(c, t);
        return std::hypot(f.x + r * std::sin(half), f.y - r * std::cos(half));
    };
    const int n = 4000;
    int best = 0;
    for (int i = 1; i <= n; i++) {
        best = distance(2.0 * i / n) < distance(2.0 * best / n) ? i : best;
    }
    double lo = 2.0 * std::max(0, best - 1) / n;
    double hi = 2.0 * std::min(n, best + 1) / n;
    for (int i = 0; i < 120; i++) {
        const double a = hi - (hi - lo) * 0.6180339887498949;
        const double b = lo + (hi - lo) * 0.6180339887498949;
        if (distance(a) < distance(b)) {
            hi = b;
        } else {
            lo = a;
        }
    }
    const ModelPoint f = FlankAt(c, (lo + hi) / 2);
    *flankRadius = std::hypot(f.x, f.y);
    return distance((lo + hi) / 2);
}

// Worked by hand (20 degrees, inv 20 = 0.01490438): the pins stand in the spaces, whose
// width on d a positive shift widens, e = m (pi/2 + 2 x tan a); their centres lie on
// inv aM = e / d + inv a - dp / db, Rc = db / (2 cos aM); M = 2 Rc - dp, or for an odd
// count 2 Rc cos(90 / z) - dp.
// z 60, m 2, x 0.3, dp 3.3: db 112.763114, e/d 0.02981964, dp/db 0.02926489,
//   inv aM 0.01545914, aM 20.236870 deg, Rc 60.090933, M 116.881866.
// z 61: db 114.642500, e/d 0.02933079, dp/db 0.02878514, aM 20.233035, M 118.841375.
// z 40, m 1, x 0, dp 1.7: db 37.587705, e/d 0.03926991, aM 16.952062, M 37.595115.
// z 41: db 38.527397, e/d 0.03831211, aM 17.041170, M 38.567074.
// The same on the generated ring: slide the pin out along the middle of its space until it
// touches the flank, then stand the second pin z/2 spaces on.
TEST(BetweenPins, EvenAndOddRingsAsWorkedByHandAndFoundOnTheGeneratedRing) {
    const struct {
        int z;
        double m, x, pin, between;
    } rings[] = {{60, 2, 0.3, 3.3, 116.881866},
                 {61, 2, 0.3, 3.3, 118.841375},
                 {40, 1, 0, 1.7, 37.595115},
                 {41, 1, 0, 1.7, 38.567074}};
    for (const auto& r : rings) {
        SCOPED_TRACE(r.z);
        const Ring ring = RingOf(r.z, r.m, r.x, 20);
        ASSERT_EQ(CheckShaperCut(ring.p, ring.setup).rule, kShaperAccepted);
        const GearData data = DataOf(ring, r.pin);
        EXPECT_NEAR(data.betweenPins, r.between, 5e-7);
        double lo = data.tipDiameter / 2 - r.pin;
        double hi = data.rootDiameter / 2;
        double radius = 0;
        for (int i = 0; i < 60; i++) {
            const double middle = (lo + hi) / 2;
            (DistanceFromFlank(ring, middle, &radius) > r.pin / 2 ? lo : hi) = middle;
        }
        const double halfTurn = kProfilePi * (r.z / 2) / r.z;
        EXPECT_NEAR(2 * lo * std::sin(halfTurn) - r.pin, data.betweenPins, 1e-9 * r.m);
        EXPECT_EQ(data.warningCount, r.z < 50 ? 1 : 0);  // 20 teeth cut a 40-tooth ring's tip
    }
}

// Over a spread of rings and pins, the pin the formulas place touches the generated flank of
// its space (the distance from its centre is its radius) on the involute, at the contact
// diameter they give, clear of the root, exactly when no warning says otherwise; the
// generated tip has the thickness they give.
TEST(BetweenPins, PinTouchesBothFlanksOfItsSpaceOnSeededRandomRings) {
    std::mt19937 random(20260714);
    std::uniform_real_distribution<double> unit(0, 1);
    int touching[2] = {0, 0};
    for (int trial = 0; trial < 2000; trial++) {
        Ring ring = RingOf(20 + static_cast<int>(unit(random) * 180), 0.5 + 5 * unit(random),
                           -0.5 + unit(random), 12 + static_cast<int>(unit(random) * 60),
                           -0.3 + 0.6 * unit(random));
        ring.p.pressureAngleDeg = 14.5 + 15 * unit(random);
        ring.p.addendumCoef = 0.7 + 0.4 * unit(random);
        ring.p.dedendumCoef = 1.1 + 0.3 * unit(random);
        ring.p.toolTipRadiusCoef = 0.4 * unit(random);
        ring.setup.rimDiameter = DefaultRimDiameter(ring.p, ring.setup);
        const double pin = (0.2 + 0.8 * unit(random)) * LargestRingPinDiameter(ring.p);
        if (CheckShaperCut(ring.p, ring.setup).rule != kShaperAccepted) {
            continue;
        }
        const GearData data = DataOf(ring, pin);
        const int z = ring.p.toothCount;
        const double m = ring.p.module;
        SCOPED_TRACE(testing::Message() << "z=" << z << " m=" << m << " pin=" << pin);
        const double apart =
            (data.betweenPins + pin) / (z % 2 == 0 ? 1 : std::cos(kProfileHalfPi / z));
        double radius = 0;
        const double distance = DistanceFromFlank(ring, apart / 2, &radius);
        const ShaperCutting c = ComputeShaperCutting(ring.p, ring.setup);
        const double involuteEnd =
            c.tipBeyondCutterInterference ? c.cutterInterferenceRadius : c.tipRadius;
        const bool touches = std::fabs(distance - pin / 2) < 1e-9 * m && radius > involuteEnd &&
                             radius < data.formDiameter / 2 && (apart + pin) / 2 < c.rootRadius;
        ASSERT_EQ(HasGearWarning(data, kWarningPinOffInvolute), !touches) << distance - pin / 2;
        const ModelPoint tip = ShaperInvoluteAt(c, c.rollEnd).point;
        ASSERT_NEAR(data.tipDiameter * std::atan2(-tip.x, tip.y), data.tipThickness, 1e-9 * m);
        if (touches) {
            touching[z % 2]++;
            ASSERT_NEAR(2 * radius, data.pinContactDiameter, 1e-6 * m);
        }
    }
    EXPECT_GT(touching[0], 150);
    EXPECT_GT(touching[1], 150);
}

// z 50, m 2, x 0, worked by hand: the tooth's half angle on d is psi = pi / 2z, s = pi,
// sc = 100 sin(psi) = 3.141076; on the tip circle 96, a_a = acos(93.969262 / 96) =
// 11.805857 deg, psi_a = psi - inv a + inv a_a = 0.01947804, sa = 1.869892; the caliper's
// tongue rests on the two tip corners: hc = (d cos psi - da cos psi_a) / 2 = 1.984433. The
// default pin db (tan a - tan(a - pi / 2z)) = 3.306493 is the shop's "about 1.65 m"; the
// largest, (e / d + inv a) db = 4.352685, has its centre on the base circle: M = db - dp.
TEST(RingData, ToothCaliperAndPinsOfAStandardRingAsWorkedByHand) {
    const Ring ring = RingOf(50, 2, 0, 25);
    const GearData data = DataOf(ring);
    EXPECT_NEAR(data.tipThickness, 1.869892, 5e-7);
    EXPECT_NEAR(data.chordalThickness, 3.141076, 5e-7);
    EXPECT_NEAR(data.chordalHeight, 1.984433, 5e-7);
    EXPECT_NEAR(data.pinDiameter, 3.306, 1e-12);
    EXPECT_NEAR(data.pinContactDiameter, 100, 0.01);
    EXPECT_TRUE(data.internal && !data.spanApplies && data.warningCount == 0);
    const double largest = LargestRingPinDiameter(ring.p);
    EXPECT_NEAR(largest, 4.352685, 5e-7);
    EXPECT_TRUE(RingPinDiameterAccepted(ring.p, largest));
    EXPECT_FALSE(RingPinDiameterAccepted(ring.p, std::nextafter(largest, 10.0)));
    EXPECT_NEAR(DataOf(ring, largest).betweenPins, data.baseDiameter - largest, 1e-9);
    EXPECT_TRUE(HasGearWarning(DataOf(ring, 0.5), kWarningPinNotInsideTip));
}

}  // namespace
