#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "tests/unit/tool_run.h"

namespace {

// The number after "key": in the JSON, or the list's first and second.
double JsonNumber(const std::string& json, const std::string& key, int which = 0) {
    size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        return NAN;
    }
    at += key.size() + 4;
    if (json[at] == '[') {
        at++;
        for (int i = 0; i < which; i++) {
            at = json.find(", ", at) + 2;
        }
    }
    return strtod(json.c_str() + at, nullptr);
}

// KHK's worked example of a positive-shifted pair with shortened tips.
TEST(InvolutePair, KhkPositiveShiftedPairGivesThePublishedNumbers) {
    const ToolRun run = RunInvolute(
        "pair report --module 3 --teeth 12 --shift 0.6 --mate-teeth 24 --mate-shift 0.36 "
        "--shorten-tips --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& json = run.out;
    EXPECT_NEAR(JsonNumber(json, "working_pressure_angle"), 26.0886, 5e-5);
    EXPECT_NEAR(JsonNumber(json, "center_distance_coefficient"), 0.83329, 5e-6);
    EXPECT_NEAR(JsonNumber(json, "center_distance"), 56.4999, 5e-5);
    EXPECT_NEAR(JsonNumber(json, "working_pitch_diameters", 0), 37.667, 5e-4);
    EXPECT_NEAR(JsonNumber(json, "working_pitch_diameters", 1), 75.333, 5e-4);
    EXPECT_NEAR(JsonNumber(json, "tip_diameters", 0), 44.840, 5e-4);
    EXPECT_NEAR(JsonNumber(json, "tip_diameters", 1), 79.400, 5e-4);
    EXPECT_NEAR(JsonNumber(json, "contact_ratio"), 1.202, 5e-4);
    EXPECT_NE(json.find("\"interference\": false"), std::string::npos);
    // At the published centre distance the same shift sum is the tight one.
    const ToolRun inverse = RunInvolute(
        "pair report --module 3 --teeth 12 --shift 0.6 --mate-teeth 24 --mate-shift 0.36 "
        "--center-distance 56.4999 --json");
    EXPECT_NEAR(JsonNumber(inverse.out, "tight_mesh_shift_sum"), 0.9600, 5e-5);
}

TEST(InvolutePair, RefusalsNameTheOptionAndTheLimit) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"report --mate-teeth 48 --center-distance 71.9",
         "--center-distance must be at least 72.0000."},
        {"report --mate-teeth 48 --center-distance 0",
         "--center-distance must be a number above 0"},
        {"report --mate-teeth 0", "--mate-teeth must be a whole number from 1 to 9999."},
        {"report --mate-teeth 48 --mate-shift 1.0", "--mate-shift must be less than 1.0000"},
        {"report --mate-shift 0.2", "pair needs --mate-teeth"},
        {"draw --mate-teeth 48", "say pair report, pair dxf or pair svg"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunInvolute(std::string("pair ") + c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

}  // namespace
