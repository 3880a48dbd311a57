#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "gear/gear_outline.h"
#include "gear/parameter_check.h"
#include "gear/tooth_profile.h"

namespace {

struct Chord {
    ModelPoint a;
    ModelPoint b;
};

double Cross(ModelPoint o, ModelPoint a, ModelPoint b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Whether two chords cross at a point inside both (touching at an end does not count).
bool ProperlyCross(const Chord& p, const Chord& q) {
    const double d1 = Cross(q.a, q.b, p.a);
    const double d2 = Cross(q.a, q.b, p.b);
    const double d3 = Cross(p.a, p.b, q.a);
    const double d4 = Cross(p.a, p.b, q.b);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// The number of pairs of chords, not neighbours in the list, that cross.
int Crossings(const std::vector<Chord>& chords) {
    int crossings = 0;
    for (size_t i = 0; i < chords.size(); i++) {
        for (size_t j = i + 2; j < chords.size(); j++) {
            crossings += ProperlyCross(chords[i], chords[j]) ? 1 : 0;
        }
    }
    return crossings;
}

std::vector<Chord> ChordsOf(const FlankPoints& flank) {
    std::vector<Chord> chords;
    for (int i = 0; i + 1 < flank.count; i++) {
        chords.push_back({flank.point[i], flank.point[i + 1]});
    }
    return chords;
}

// Every flank chord of the whole gear in walk order, the arcs as their chords.
std::vector<Chord> OutlineChords(const FlankPoints& flank, int teeth) {
    std::vector<Chord> chords;
    auto onFlank = [](void* context, int, bool, const ModelPoint* points, int count) {
        auto* all = static_cast<std::vector<Chord>*>(context);
        for (int i = 0; i + 1 < count; i++) {
            all->push_back({points[i], points[i + 1]});
        }
    };
    auto onArc = [](void* context, OutlineArc, ModelPoint start, ModelPoint end) {
        static_cast<std::vector<Chord>*>(context)->push_back({end, start});
    };
    WalkGearOutline(flank, teeth, {{0, 0}, 0}, {&chords, onFlank, onArc});
    return chords;
}

struct Flanks {
    FlankPoints generated;
    FlankPoints cut;
};

Flanks FlanksOf(const GearParameters& p) {
    GearGeometry geometry;
    static ToothProfile profile;
    ComputeProfileOf(p, &geometry, &profile);
    const int last = p.filletDivisions + p.involuteDivisions;
    Flanks f;
    GeneratedFlank(profile, last, &f.generated);
    ManufacturingFlank(profile, last, p.filletDivisions, &f.cut);
    return f;
}

bool SamePoint(ModelPoint a, ModelPoint b) {
    return a.x == b.x && a.y == b.y;
}

TEST(ManufacturingOutline, DefaultGearIsTheScriptsOutlinePointForPoint) {
    const Flanks f = FlanksOf(DefaultGearParameters());
    ASSERT_EQ(f.cut.count, f.generated.count);
    for (int i = 0; i < f.cut.count; i++) {
        EXPECT_TRUE(SamePoint(f.cut.point[i], f.generated.point[i])) << "point " << i;
    }
}

// Twelve teeth of the default cutter: the fillet climbs past the involute's foot, a loop.
TEST(ManufacturingOutline, TwelveTeethLoseOnlyTheUndercutLoop) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 12;
    const Flanks f = FlanksOf(p);
    EXPECT_GT(Crossings(ChordsOf(f.generated)), 0) << "the generated flank crosses itself";
    ASSERT_LT(f.cut.count, f.generated.count);
    // The kept points are the generated ones below the crossing and above it, in order; the
    // crossing point lies on a fillet chord and on an involute chord.
    int below = 0;
    while (below < f.cut.count && SamePoint(f.cut.point[below], f.generated.point[below])) {
        below++;
    }
    const int above = f.cut.count - below - 1;
    ASSERT_GT(below, 0);
    ASSERT_GT(above, 0);
    const int skipped = f.generated.count - f.cut.count + 1;
    for (int k = 1; k <= above; k++) {
        EXPECT_TRUE(
            SamePoint(f.cut.point[f.cut.count - k], f.generated.point[f.generated.count - k]));
    }
    const ModelPoint x = f.cut.point[below];
    const ModelPoint* g = f.generated.point;
    const double scale = 14.0;
    EXPECT_NEAR(Cross(g[below - 1], g[below], x), 0, 1e-12 * scale * scale);
    EXPECT_LE(below - 1, p.filletDivisions);
    const int involuteChord = below - 1 + skipped;
    EXPECT_GE(involuteChord, p.filletDivisions);
    EXPECT_NEAR(Cross(g[involuteChord], g[involuteChord + 1], x), 0, 1e-12 * scale * scale);
    // What is left is simple: no flank chord of the whole gear crosses another.
    EXPECT_EQ(Crossings(ChordsOf(f.cut)), 0);
    const std::vector<Chord> outline = OutlineChords(f.cut, 12);
    EXPECT_EQ(Crossings(outline), 0);
    EXPECT_TRUE(SamePoint(outline.back().b, outline.front().a)) << "the outline closes";
}

// Over thousands of accepted gears: the cut flank never crosses itself, and where the
// generated flank does not cross itself nothing is cut.
TEST(ManufacturingOutline, AcceptedGearsGiveASimpleFlankCutOnlyWhereItCrosses) {
    std::mt19937 random(20240610);
    std::uniform_int_distribution<int> teeth(3, 60);
    std::uniform_real_distribution<double> angle(10, 30);
    std::uniform_real_distribution<double> shift(-0.6, 0.8);
    std::uniform_real_distribution<double> tip(0, 0.4);
    std::uniform_int_distribution<int> involute(1, 100);
    std::uniform_int_distribution<int> fillet(1, 70);
    int tried = 0;
    int cut = 0;
    for (int n = 0; n < 3000; n++) {
        GearParameters p = DefaultGearParameters();
        p.toothCount = teeth(random);
        p.pressureAngleDeg = angle(random);
        p.profileShiftCoef = shift(random);
        p.toolTipRadiusCoef = tip(random);
        p.involuteDivisions = involute(random);
        p.filletDivisions = fillet(random);
        if (CheckGearParameters(p).rule != kRuleAccepted) {
            continue;
        }
        tried++;
        const Flanks f = FlanksOf(p);
        ASSERT_EQ(Crossings(ChordsOf(f.cut)), 0)
            << "teeth " << p.toothCount << " shift " << p.profileShiftCoef;
        if (Crossings(ChordsOf(f.generated)) == 0) {
            ASSERT_EQ(f.cut.count, f.generated.count);
        } else {
            cut++;
            ASSERT_LT(f.cut.count, f.generated.count);
        }
    }
    EXPECT_GT(tried, 1500);
    EXPECT_GT(cut, 100);
}

}  // namespace
