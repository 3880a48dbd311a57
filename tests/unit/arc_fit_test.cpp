#include <gtest/gtest.h>

#include <cmath>

#include "gear/arc_fit.h"

namespace {

// The fitter knows nothing of gears: a straight piece comes out as straight segments, and a
// circle as arcs of its radius.
CurveSample OnLine(const void*, double t) {
    return {{3 * t, 4 * t}, std::atan2(4.0, 3.0)};
}

CurveSample OnCircle(const void*, double t) {
    return {{5 * std::cos(t), 5 * std::sin(t)}, t + M_PI / 2};
}

TEST(ArcFit, StraightPieceGivesSegmentsAndCircleGivesItsRadius) {
    FittedArc arcs[8];
    ArcSink sink = {arcs, 8, 0};
    const PlaneCurve line = {nullptr, OnLine, 0, 2};
    ASSERT_TRUE(FitArcs(&line, 1, 1e-6, &sink));
    ASSERT_GT(sink.count, 0);
    for (int i = 0; i < sink.count; i++) {
        // Straight to the rounding of the line's direction.
        EXPECT_LT(std::fabs(arcs[i].bulge), 1e-15);
        EXPECT_GT(FittedArcRadius(arcs[i]), 1e12);
    }
    EXPECT_EQ(arcs[sink.count - 1].end.x, 6);
    EXPECT_EQ(arcs[sink.count - 1].end.y, 8);
    sink.count = 0;
    const PlaneCurve circle = {nullptr, OnCircle, 0, 1};
    ASSERT_TRUE(FitArcs(&circle, 1, 1e-6, &sink));
    for (int i = 0; i < sink.count; i++) {
        EXPECT_NEAR(FittedArcRadius(arcs[i]), 5, 1e-9);
    }
    EXPECT_NEAR(FittedArcEndDirection(arcs[sink.count - 1]), 1 + M_PI / 2, 1e-12);
}

}  // namespace
