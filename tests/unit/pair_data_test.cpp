#include <gtest/gtest.h>

#include <cmath>

#include "gear/pair_data.h"
#include "gear/tooth_profile.h"

namespace {

const double kDegree = kProfilePi / 180;

PairInput ExternalPair(int z1, double x1, int z2, double x2, double m) {
    PairInput in = {};
    in.gear = DefaultGearParameters();
    in.gear.toothCount = z1;
    in.gear.profileShiftCoef = x1;
    in.gear.module = m;
    in.mateToothCount = z2;
    in.mateShiftCoef = x2;
    in.kind = kExternalPair;
    return in;
}

// A pinion inside a ring whose root lies the cutter's dedendum outside its reference circle.
PairInput InternalPair(int z1, double x1, int z2, double x2, double m) {
    PairInput in = ExternalPair(z1, x1, z2, x2, m);
    in.kind = kInternalPair;
    in.ringRootDiameter = m * (z2 + 2 * in.gear.dedendumCoef + 2 * x2);
    return in;
}

PairData DataOf(const PairInput& in) {
    PairData data;
    ComputePairData(in, &data);
    return data;
}

// KHK's worked example of a positive-shifted pair, to its printed digits.
TEST(PairFormulas, ShiftedTwelveAndTwentyFourTeethRunAsPublished) {
    PairInput in = ExternalPair(12, 0.6, 24, 0.36, 3);
    in.shortenTips = true;
    const PairData d = DataOf(in);
    ASSERT_EQ(d.refusal, kPairAccepted);
    EXPECT_NEAR(d.mesh.invAlphaW, 0.034316, 5e-7);
    EXPECT_NEAR(d.mesh.alphaW / kDegree, 26.0886, 5e-5);
    EXPECT_NEAR(d.mesh.centreDistanceModCoef, 0.83329, 5e-6);
    EXPECT_NEAR(d.mesh.centreDistance, 56.4999, 5e-5);
    EXPECT_NEAR(d.gear.workingPitchDiameter, 37.667, 5e-4);
    EXPECT_NEAR(d.mate.workingPitchDiameter, 75.333, 5e-4);
    EXPECT_NEAR(d.gear.tipDiameter, 44.840, 5e-4);
    EXPECT_NEAR(d.mate.tipDiameter, 79.400, 5e-4);
    EXPECT_NEAR(d.contactRatio, 1.202, 5e-4);
    // Shortening restores the standard pair's root clearance, 0.25 m.
    EXPECT_NEAR(d.gear.rootClearance, 0.75, 1e-9);
    EXPECT_NEAR(d.mate.rootClearance, 0.75, 1e-9);
    // Given the centre distance instead, the pair asks back for the shift sum.
    in.centreDistance = 56.4999;
    EXPECT_NEAR(DataOf(in).mesh.tightShift, 0.9600, 5e-5);
}

TEST(PairFormulas, UnshiftedPairsRunAtTheReferenceCentreDistance) {
    for (const PairInput& in : {ExternalPair(17, 0, 41, 0, 2.5), InternalPair(17, 0, 41, 0, 2.5)}) {
        const PairData d = DataOf(in);
        EXPECT_NEAR(d.mesh.alphaW, 20 * kDegree, 1e-12);
        EXPECT_NEAR(d.mesh.centreDistance, d.mesh.referenceCentreDistance, 1e-12);
    }
}

TEST(PairFormulas, TooShortACentreDistanceIsRefusedNamingTheTightOne) {
    PairInput in = ExternalPair(12, 0.6, 24, 0.36, 3);
    in.centreDistance = 56.4;
    PairData d = DataOf(in);
    EXPECT_EQ(d.refusal, kPairCentreDistanceTooSmall);
    EXPECT_NEAR(d.refusalLimit, 56.4999, 5e-5);
    // Below a0 cos(a) no line of action fits between the base circles.
    in.centreDistance = 50;
    d = DataOf(in);
    EXPECT_EQ(d.refusal, kPairNoWorkingPressureAngle);
    EXPECT_NEAR(d.refusalLimit, 54 * cos(20 * kDegree), 1e-9);
    // A pinion pushed farther from its ring's centre than tight jams.
    PairInput ring = InternalPair(24, 0, 60, 0.5, 2);
    const double tight = DataOf(ring).mesh.centreDistance;
    ring.centreDistance = tight + 0.01;
    d = DataOf(ring);
    EXPECT_EQ(d.refusal, kPairCentreDistanceTooLarge);
    EXPECT_NEAR(d.refusalLimit, tight, 1e-12);
}

// SDP/SI Table 5-4 holds the least ring shift x2 that avoids trochoid interference with an
// unshifted pinion (x1 = 0), ring of 50 teeth, module 1: the shift is the ring's.
TEST(InternalPairs, RingShiftsOfTheTableClearTrochoidButNotTrimming) {
    struct Row {
        int z1;
        double x2;
        double alphaWDeg;
        double a;
        double contactRatio;
    };
    for (const Row& row :
         {Row{49, 1.00, 61.0605, 0.971, 1.105}, Row{42, 0.01, 20.3854, 4.010, 2.088}}) {
        const PairData d = DataOf(InternalPair(row.z1, 0, 50, row.x2, 1));
        ASSERT_EQ(d.refusal, kPairAccepted);
        EXPECT_NEAR(d.mesh.alphaW / kDegree, row.alphaWDeg, 5e-5);
        EXPECT_NEAR(d.mesh.centreDistance, row.a, 5e-4);
        EXPECT_NEAR(d.contactRatio, row.contactRatio, 5e-4);
        EXPECT_FALSE(d.interference.involute);
        EXPECT_FALSE(d.interference.trochoid);
        EXPECT_TRUE(d.interference.trimming);
    }
}

TEST(InternalPairs, StandardFortyInFortySixStrikesTheRingTipsShiftedFortyEightInFiftyDoesNot) {
    EXPECT_TRUE(DataOf(InternalPair(40, 0, 46, 0, 1)).interference.trochoid);
    const PairData shifted = DataOf(InternalPair(48, 0, 50, 0.6, 1));
    EXPECT_FALSE(shifted.interference.trochoid);
    EXPECT_FALSE(shifted.interference.involute);
}

}  // namespace
