#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "gear/pair_mesh.h"
#include "gear/parameter_check.h"
#include "gear/tooth_profile.h"

namespace {

PairInput Pair(PairKind kind, int z1, double x1, int z2, double x2, double m) {
    PairInput in = {};
    in.gear = DefaultGearParameters();
    in.gear.toothCount = z1;
    in.gear.profileShiftCoef = x1;
    in.gear.module = m;
    in.mateToothCount = z2;
    in.mateShiftCoef = x2;
    in.kind = kind;
    in.ringRootDiameter = m * (z2 + 2 * in.gear.dedendumCoef + 2 * x2);
    return in;
}

PairTeeth TeethOf(const PairInput& in) {
    return {in.kind,
            static_cast<double>(in.gear.toothCount),
            in.gear.profileShiftCoef,
            static_cast<double>(in.mateToothCount),
            in.mateShiftCoef,
            in.gear.module,
            in.gear.pressureAngleDeg * kProfilePi / 180};
}

// A ring as the standard internal involute tooth space gives it, without its shaper: the
// space is shaped as an external tooth of the ring's space width, so its tooth's left flank
// stands pi/z - ((pi/2 + 2 x tan a) / z + inv a - inv a_r) from the tooth's centre line,
// straight from the root circle in to the tip circle.
MeshGear StandardRing(const PairInput& in) {
    const double m = in.gear.module;
    const double z = in.mateToothCount;
    const double x = in.mateShiftCoef;
    const double alpha = in.gear.pressureAngleDeg * kProfilePi / 180;
    const double rb = m * z * cos(alpha) / 2;
    MeshGear ring = {};
    ring.toothCount = in.mateToothCount;
    ring.tipRadius = m * (z / 2 - in.gear.addendumCoef + x);
    ring.rootRadius = in.ringRootDiameter / 2;
    ring.internal = true;
    ring.flank.count = 60;
    for (int i = 0; i < ring.flank.count; i++) {
        const double r = ring.rootRadius + (ring.tipRadius - ring.rootRadius) * i / 59;
        const double alphaR = acos(rb / r);
        const double phi = kProfilePi / z - ((kProfileHalfPi + 2 * x * tan(alpha)) / z +
                                             Involute(alpha) - Involute(alphaR));
        ring.flank.point[i] = {-r * sin(phi), r * cos(phi)};
    }
    return ring;
}

// Both gears set in mesh at centre distance a and rolled; the mate cut by the rack, or the
// standard ring.
MeshCheck Rolled(const PairInput& in, double a) {
    MeshGear gear;
    MeshGear mate;
    RackCutMeshGear(in.gear, &gear);
    if (in.kind == kInternalPair) {
        mate = StandardRing(in);
    } else {
        RackCutMeshGear(MateParameters(in), &mate);
    }
    PlaceInMesh(&gear, &mate, a);
    MeshCheck check;
    CheckMesh(gear, mate, kLeastMeshPositions, &check);
    return check;
}

// Flanks that run on the involute stand half the normal backlash apart: seeded pairs of
// every size, a third of them rings, each at a centre distance with backlash. The chords
// may add their tolerance.
TEST(MeshCheck, SmallestGapIsHalfTheFormulaBacklash) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> teeth(8, 120);
    std::uniform_real_distribution<double> shift(-0.4, 0.9);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked[2] = {0, 0};
    for (int n = 0; n < 4000 && checked[0] + checked[1] < 150; n++) {
        const PairKind kind = n % 3 == 0 ? kInternalPair : kExternalPair;
        const int z1 = teeth(random);
        const int z2 = kind == kInternalPair ? z1 + 8 + teeth(random) : teeth(random);
        // A ring's tips clear the pinion's root only when shifted outward.
        const double x2 = shift(random) + (kind == kInternalPair ? 0.3 : 0);
        PairInput in = Pair(kind, z1, shift(random), z2, x2, pow(10, 3 * unit(random) - 1));
        PairData tight;
        ComputePairData(in, &tight);
        // Backlash comes with a longer centre distance, or a shorter one for a ring.
        const double widening = 0.2 * unit(random) * in.gear.module;
        in.centreDistance =
            tight.mesh.centreDistance + (kind == kInternalPair ? -widening : widening);
        PairData d;
        ComputePairData(in, &d);
        if (CheckGearParameters(in.gear).rule != kRuleAccepted ||
            (kind == kExternalPair &&
             CheckGearParameters(MateParameters(in)).rule != kRuleAccepted) ||
            d.refusal != kPairAccepted || d.warningCount > 0 || d.interference.involute ||
            d.interference.trochoid) {
            continue;
        }
        const MeshCheck check = Rolled(in, in.centreDistance);
        EXPECT_NEAR(check.smallestGap, d.mesh.normalBacklash / 2, check.tolerance)
            << z1 << (kind == kInternalPair ? " in " : " with ") << z2;
        EXPECT_FALSE(check.interference);
        checked[kind == kInternalPair]++;
    }
    EXPECT_EQ(checked[0] + checked[1], 150);
    EXPECT_GE(checked[1], 30);
}

// Closer than tight, the teeth overlap by half the (negative) backlash on each flank.
TEST(MeshCheck, TooTightAPairOverlapsByHalfTheBacklash) {
    for (const PairInput& in :
         {Pair(kExternalPair, 24, 0, 48, 0, 2), Pair(kInternalPair, 24, 0, 60, 0.5, 2)}) {
        PairData tight;
        ComputePairData(in, &tight);
        const double a = tight.mesh.centreDistance + (in.kind == kInternalPair ? 0.05 : -0.05);
        const double overlap = MeshAtCentreDistance(TeethOf(in), a).normalBacklash / 2;
        const MeshCheck check = Rolled(in, a);
        EXPECT_NEAR(check.smallestGap, overlap, check.tolerance);
        EXPECT_TRUE(check.interference);
    }
}

// The smallest shared addendum at which a 200-tooth mate's tip meets the 24-tooth pinion
// below its form circle: by the formula (d_Nf < dFf) or on the cut outlines (an overlap).
double AddendumWhere(bool geometry) {
    PairInput in = Pair(kExternalPair, 24, 0, 200, 0, 2);
    // The finest divisions: the outlines' chords hide the least.
    in.gear.filletDivisions = 70;
    in.gear.involuteDivisions = 100;
    double below = 1.0;
    double above = 1.25;
    for (int step = 0; step < 14; step++) {
        in.gear.addendumCoef = (below + above) / 2;
        PairData d;
        ComputePairData(in, &d);
        MeshCheck check;
        const bool meets = geometry ? CheckPairMesh(in, &d, &check) && check.interference
                                    : HasPairWarning(d, kPairContactOffForm);
        (meets ? above : below) = in.gear.addendumCoef;
    }
    return below;
}

TEST(MeshCheck, MateTipReachesTheFilletWhereTheActiveProfileStartsBelowTheFormCircle) {
    const double formula = AddendumWhere(false);
    const double geometry = AddendumWhere(true);
    EXPECT_NEAR(formula, 1.13, 0.005);
    EXPECT_NEAR(geometry, formula, 0.005);
    EXPECT_GE(geometry, formula);
}

TEST(MeshCheck, UndercutPinionWarnsOfItsFormCircleButDoesNotCollide) {
    PairInput in = Pair(kExternalPair, 10, 0, 60, 0, 2);
    PairData d;
    ComputePairData(in, &d);
    EXPECT_TRUE(HasPairWarning(d, kPairContactOffForm));
    EXPECT_LT(d.usableContactRatio, d.contactRatio);
    MeshCheck check;
    ASSERT_TRUE(CheckPairMesh(in, &d, &check));
    EXPECT_FALSE(check.interference);
    EXPECT_FALSE(HasPairWarning(d, kPairOutlinesOverlap));
}

}  // namespace
