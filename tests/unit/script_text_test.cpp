#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "formats/script_text.h"
#include "gear/parameter_check.h"
#include "gear/gear_value.h"
#include "gear/tooth_profile.h"
#include "tests/unit/script_test_support.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t begin = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos;
         begin = end + 2, end = text.find("\r\n", begin)) {
        lines.push_back(text.substr(begin, end - begin));
    }
    return lines;
}

TEST(DrawingScript, DefaultGearMatchesTheCheckedFileByteForByte) {
    const std::string text = ScriptTextOf(DefaultGearParameters());
    EXPECT_EQ(text, ReadWholeFile(GOLDEN_DIR "/default_gear.scr"));
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 2451u);
    EXPECT_EQ(lines[0], "zoom w -31.200000,-31.200000 31.200000,31.200000");
    EXPECT_EQ(lines[1], "circle 0.000000,0.000000 17.000000");
    EXPECT_EQ(lines[2], "circle 0.000000,0.000000 24.000000");
    EXPECT_EQ(lines[3], "line -2.530072,21.350614 -2.434989,21.369099");
    EXPECT_EQ(lines[4], "-2.345503,21.400520");
    EXPECT_EQ(lines[52], "-0.715460,25.990154 ");
    EXPECT_EQ(lines[53], "arc 0.715460,25.990154 c 0.000000,0.000000 -0.715460,25.990154");
    EXPECT_EQ(lines[54], "line 0.715460,25.990154 0.812825,25.805465");
    EXPECT_EQ(lines[103], "2.530072,21.350614 ");
    EXPECT_EQ(lines[104], "arc 3.082084,21.277941 c 0.000000,0.000000 2.530072,21.350614");
    EXPECT_EQ(lines[105], "line 3.082084,21.277941 3.178711,21.271186");
    EXPECT_EQ(lines[2450], "arc -2.530072,21.350614 c 0.000000,0.000000 -3.082084,21.277941");
}

TEST(DrawingScript, OneToothClosesWithAnArcAroundTheWholeGear) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 1;
    p.addendumCoef = 0.3;
    p.dedendumCoef = 0.3;
    // With a sharp cutter corner the undercut of one tooth loops out past the tip circle.
    p.toolTipRadiusCoef = 0.1;
    ASSERT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
    const std::vector<std::string> lines = Lines(ScriptTextOf(p));
    // The root circle lies less than one tooth depth from the centre: no construction circle.
    ASSERT_EQ(lines.size(), 1u * (2 * 50 + 2) + 2);
    // From the first root point counter-clockwise to the mirrored root point of the same
    // tooth: the start is the end with x negated.
    const std::string& closing = lines.back();
    char first[64], last[64];
    ASSERT_EQ(sscanf(closing.c_str(), "arc %63s c 0.000000,0.000000 %63s", first, last), 2);
    EXPECT_EQ(std::string(first).substr(1), std::string(last));
    EXPECT_EQ(first[0], '-');
    EXPECT_EQ(lines[2].rfind("line " + std::string(first) + " ", 0), 0u) << lines[2];
}

TEST(DrawingScript, TwoPointsPerFlankWriteNoMiddlePointLines) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 3;
    p.filletDivisions = 1;
    p.involuteDivisions = 1;
    const std::vector<std::string> lines = Lines(ScriptTextOf(p));
    // Three teeth reach below the centre by one tooth depth: no construction circle.
    ASSERT_EQ(lines.size(), 3u * 6 + 2);
    // Tooth 0: first two points, last point, tip arc, first two points, last point.
    EXPECT_EQ(lines[2].rfind("line ", 0), 0u);
    EXPECT_EQ(lines[3].back(), ' ');
    EXPECT_EQ(lines[4].rfind("arc ", 0), 0u);
    EXPECT_EQ(lines[5].rfind("line ", 0), 0u);
    EXPECT_EQ(lines[6].back(), ' ');
    EXPECT_EQ(lines[7].rfind("arc ", 0), 0u);
}

TEST(DrawingScript, LineCountFollowsTeethAndDivisions) {
    const int cases[][3] = {{24, 20, 30}, {7, 3, 4}, {40, 70, 100}, {13, 1, 9}, {101, 5, 5}};
    for (const auto& c : cases) {
        GearParameters p = DefaultGearParameters();
        p.toothCount = c[0];
        p.filletDivisions = c[1];
        p.involuteDivisions = c[2];
        ASSERT_EQ(CheckGearParameters(p).rule, kRuleAccepted);
        const std::string text = ScriptTextOf(p);
        const int last = c[1] + c[2];
        // Seven teeth of these proportions have a construction circle of radius 0: left out.
        const int circles = c[0] == 7 ? 1 : 2;
        EXPECT_EQ(CountLines(text), c[0] * (2 * last + 2) + 1 + circles) << c[0] << " teeth";
        EXPECT_EQ(text.find("nan"), std::string::npos);
        EXPECT_EQ(text.find('\n', 0), text.find("\r\n") + 1);
    }
}

TEST(DrawingScript, LeavesOutAConstructionCircleThatIsNotAboveZero) {
    GearParameters p = DefaultGearParameters();
    p.toothCount = 6;
    // Root radius 3.5 less the tooth depth 4.5: the radius would be -1.
    const std::vector<std::string> lines = Lines(ScriptTextOf(p));
    ASSERT_EQ(lines.size(), 6u * (2 * 50 + 2) + 2);
    EXPECT_EQ(lines[0], "zoom w -9.600000,-9.600000 9.600000,9.600000");
    EXPECT_EQ(lines[1], "circle 0.000000,0.000000 6.000000");
    EXPECT_EQ(lines[2].rfind("line ", 0), 0u) << lines[2];
    int circles = 0;
    for (const std::string& line : lines) {
        circles += line.rfind("circle", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(circles, 1);
}

TEST(DrawingScript, RefusesProfilesTheLineRunsCannotExpress) {
    static Gear gear;
    ComputeGear(DefaultGearParameters(), &gear);
    std::string text;
    static OutputSink sink;
    OpenSink(&sink, AppendToString, &text);
    gear.parameters.filletDivisions = 0;
    gear.parameters.involuteDivisions = 1;
    EXPECT_FALSE(WriteDrawingScript(&sink, gear));
    gear.parameters.involuteDivisions = kProfileCapacity;
    EXPECT_FALSE(WriteDrawingScript(&sink, gear));
    EXPECT_TRUE(CloseSink(&sink));
    EXPECT_EQ(text, "");
}

static bool RefuseBytes(void*, const char*, size_t) {
    return false;
}

TEST(DrawingScript, ReportsAWriteThatFails) {
    static Gear gear;
    ComputeGear(DefaultGearParameters(), &gear);
    static OutputSink sink;
    OpenSink(&sink, RefuseBytes, nullptr);
    WriteDrawingScript(&sink, gear);
    EXPECT_FALSE(CloseSink(&sink));
}

}  // namespace
