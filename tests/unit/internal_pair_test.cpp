#include <gtest/gtest.h>

#include <cmath>

#include "gear/circle_constants.h"
#include "gear/gear_pair.h"

namespace {

GearParameters Module(double m, int teeth) {
    GearParameters p = DefaultGearParameters();
    p.module = m;
    p.toothCount = teeth;
    return p;
}

// A pinion of the given teeth inside a ring of ringTeeth shifted by ringShift, both of
// module 1, the ring cut by the default shaper cutter.
PairProblem InsideRing(int teeth, int ringTeeth, double ringShift, GearPair* pair) {
    MateChoice choice = DefaultMateChoice(Module(1, teeth), RackCut());
    choice.toothCount = ringTeeth;
    choice.shiftCoef = ringShift;
    choice.cut = DefaultShaperCut(true);
    return ComputeGearPair(Module(1, teeth), RackCut(), choice, pair);
}

// SDP/SI's table of internal pairs (ring of 50 teeth, module 1, the shift on the ring).
TEST(InternalPair, SdpSiTableRowsThroughTheWholePair) {
    static GearPair pair;
    ASSERT_EQ(InsideRing(42, 50, 0.01, &pair).pair, kPairAccepted);
    EXPECT_NEAR(pair.data.mesh.alphaW * 180 / kPi, 20.3854, 5e-5);
    EXPECT_NEAR(pair.data.mesh.centreDistance, 4.010, 5e-4);
    EXPECT_NEAR(pair.data.contactRatio, 2.088, 5e-4);
    EXPECT_FALSE(pair.data.interference.involute);
    EXPECT_FALSE(pair.data.interference.trochoid);
    EXPECT_TRUE(pair.data.interference.trimming);
}

// The formulas and the cut teeth agree where a ring's tips meet the pinion's: a standard
// 40/46 pair strikes at the pinion's tip, 48/50 with the ring shifted 0.6 runs clear.
TEST(InternalPair, TrochoidInterferenceShowsOnTheCutTeeth) {
    static GearPair pair;
    ASSERT_EQ(InsideRing(40, 46, 0, &pair).pair, kPairAccepted);
    EXPECT_TRUE(pair.data.interference.trochoid);
    EXPECT_TRUE(pair.check.interference);
    EXPECT_NEAR(pair.check.gearRadius, pair.gear.geometry.tipRadius, 0.1);
    ASSERT_EQ(InsideRing(48, 50, 0.6, &pair).pair, kPairAccepted);
    EXPECT_FALSE(pair.data.interference.trochoid);
    EXPECT_FALSE(pair.check.interference);
}

// A standard 40/50 pair of module 1 with a full-depth rack-cut pinion: no involute
// interference by the base-circle test, yet the ring's tip begins contact below the pinion's
// form circle, on its fillet, and the cut teeth overlap there.
TEST(InternalPair, RingTipOnTheRackCutPinionsFilletShowsOnFormCircleAndTeeth) {
    static GearPair pair;
    ASSERT_EQ(InsideRing(40, 50, 0, &pair).pair, kPairAccepted);
    EXPECT_FALSE(pair.data.interference.involute);
    const PairSide& pinion = PairSideOf(pair, 0);
    EXPECT_LT(pinion.activeProfileStart, pinion.formDiameter);
    EXPECT_LT(pair.data.usableContactRatio, pair.data.contactRatio);
    EXPECT_TRUE(pair.check.interference);
    EXPECT_LT(2 * pair.check.gearRadius, pinion.formDiameter);
    EXPECT_NEAR(2 * pair.check.mateRadius, PairSideOf(pair, 1).tipDiameter, 0.1);
}

// Where a point lies along the segment from a to b: 0 at a, 1 at b; and how far off it.
double Along(ModelPoint a, ModelPoint b, ModelPoint p, double* off) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = std::hypot(dx, dy);
    *off = std::fabs(dx * (p.y - a.y) - dy * (p.x - a.x)) / length;
    return ((p.x - a.x) * dx + (p.y - a.y) * dy) / (length * length);
}

// The drawn line of action holds the pitch point and the whole path of contact, outside and
// inside a ring, whichever gear is current.
TEST(InternalPair, LineOfActionHoldsThePitchPointAndThePathOfContact) {
    static GearPair pair;
    GearParameters ring = Module(1, 50);
    MateChoice pinion = DefaultMateChoice(ring, DefaultShaperCut(true));
    GearParameters gear = Module(1, 24);
    const MateChoice external = DefaultMateChoice(gear, RackCut());
    for (int k = 0; k < 3; k++) {
        const PairProblem problem =
            k == 0   ? InsideRing(20, 60, 0, &pair)
            : k == 1 ? ComputeGearPair(ring, DefaultShaperCut(true), pinion, &pair)
                     : ComputeGearPair(gear, RackCut(), external, &pair);
        ASSERT_EQ(problem.pair, kPairAccepted) << k;
        ModelPoint a;
        ModelPoint b;
        LineOfAction(pair, &a, &b);
        ModelPoint contact[2];
        ActiveContact(pair, &contact[0], &contact[1]);
        for (ModelPoint p : {PitchPoint(pair), contact[0], contact[1]}) {
            double off = 0;
            const double t = Along(a, b, p, &off);
            EXPECT_LT(off, 1e-9) << k;
            EXPECT_GE(t, -1e-12) << k;
            EXPECT_LE(t, 1 + 1e-12) << k;
        }
    }
}

// The ring as the current gear: the same pair, the values named for the ring first and the
// ring standing about the origin with its pinion at (a, 0).
TEST(InternalPair, ARingAsTheCurrentGearKeepsThePairAndStandsAtTheOrigin) {
    static GearPair pinionFirst;
    static GearPair ringFirst;
    ASSERT_EQ(InsideRing(42, 50, 0.01, &pinionFirst).pair, kPairAccepted);
    GearParameters ring = Module(1, 50);
    ring.profileShiftCoef = 0.01;
    MateChoice choice = DefaultMateChoice(ring, DefaultShaperCut(true));
    choice.toothCount = 42;
    ASSERT_EQ(ComputeGearPair(ring, DefaultShaperCut(true), choice, &ringFirst).pair,
              kPairAccepted);
    EXPECT_DOUBLE_EQ(ringFirst.data.mesh.centreDistance, pinionFirst.data.mesh.centreDistance);
    EXPECT_DOUBLE_EQ(PairSideOf(ringFirst, 0).tipDiameter, PairSideOf(pinionFirst, 1).tipDiameter);
    EXPECT_EQ(ringFirst.gear.placement.centre.x, 0);
    EXPECT_NEAR(ringFirst.mate.placement.centre.x, ringFirst.data.mesh.centreDistance, 1e-12);
    EXPECT_EQ(ringFirst.check.interference, pinionFirst.check.interference);
}

}  // namespace
