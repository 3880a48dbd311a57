#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/gear_report_text.h"
#include "gear/gear_data.h"
#include "tests/unit/script_test_support.h"
#include "tests/unit/tool_run.h"

namespace {

ToolRun RunReport(const std::string& arguments) {
    return RunInvolute("report " + arguments);
}

// The text after "key": up to the end of its line, without the comma.
std::string JsonValue(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        return "";
    }
    const size_t start = at + key.size() + 4;
    std::string value = json.substr(start, json.find('\n', start) - start);
    if (!value.empty() && value.back() == ',') {
        value.pop_back();
    }
    return value;
}

TEST(InvoluteReport, JsonHoldsExactlyTheKeysWithTheCoresNumbers) {
    const ToolRun run = RunReport("--teeth 20 --module 1 --pin-diameter 1.7 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> keys = {"reference_diameter",
                                           "base_diameter",
                                           "tip_diameter",
                                           "root_diameter",
                                           "form_diameter",
                                           "base_pitch",
                                           "tooth_thickness",
                                           "tip_thickness",
                                           "chordal_thickness",
                                           "chordal_height",
                                           "span_teeth",
                                           "span",
                                           "pin_diameter",
                                           "over_pins",
                                           "undercut",
                                           "min_shift_without_undercut",
                                           "min_teeth_without_undercut",
                                           "warnings"};
    size_t keysSeen = 0;
    for (size_t at = run.out.find("\":"); at != std::string::npos;
         at = run.out.find("\":", at + 1)) {
        keysSeen++;
    }
    EXPECT_EQ(keysSeen, keys.size()) << run.out;
    GearParameters p = DefaultGearParameters();
    p.toothCount = 20;
    p.module = 1;
    GearData data;
    ComputeGearData(p, 1.7, 0, &data);
    // Each number reads back as the very double the core computed.
    const double numbers[] = {data.referenceDiameter, data.baseDiameter,      data.tipDiameter,
                              data.rootDiameter,      data.formDiameter,      data.basePitch,
                              data.toothThickness,    data.tipThickness,      data.chordalThickness,
                              data.chordalHeight,     double(data.spanTeeth), data.span,
                              data.pinDiameter,       data.overPins};
    for (size_t i = 0; i < sizeof numbers / sizeof numbers[0]; i++) {
        const std::string text = JsonValue(run.out, keys[i]);
        ASSERT_FALSE(text.empty()) << keys[i];
        EXPECT_EQ(strtod(text.c_str(), nullptr), numbers[i]) << keys[i] << ": " << text;
    }
    EXPECT_NEAR(strtod(JsonValue(run.out, "over_pins").c_str(), nullptr), 22.2941, 5e-5);
    EXPECT_EQ(JsonValue(run.out, "undercut"), "false");
    EXPECT_EQ(JsonValue(run.out, "min_teeth_without_undercut"), "19");
    EXPECT_EQ(JsonValue(run.out, "warnings"), "[]");
    EXPECT_EQ(run.out.front(), '{');
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "}\n");
}

TEST(InvoluteReport, TwelveTeethReportTheirUndercutAndTheLeastShift) {
    const ToolRun run = RunReport("--teeth 12 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(JsonValue(run.out, "undercut"), "true");
    EXPECT_NEAR(strtod(JsonValue(run.out, "min_shift_without_undercut").c_str(), nullptr), 0.3836,
                5e-5);
    EXPECT_EQ(JsonValue(run.out, "warnings"),
              std::string("[\"") + GearWarningText(kWarningUndercut, kEnglish) + "\"]");
}

TEST(InvoluteReport, PlainTextHasAQuantityALineThenTheWarnings) {
    const ToolRun run = RunReport("--teeth 20 --module 2 --span-teeth 3");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Reference diameter            d           40.0000 mm\n", 0), 0u)
        << run.out;
    EXPECT_NE(run.out.find("\nBase tangent length           Wk          15.3209 mm\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nUndercut                                       no\n"),
              std::string::npos);
    // No warning: the last line is the last quantity.
    EXPECT_EQ(run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1),
              "Least teeth without undercut  zmin             19\n");
    const ToolRun undercut = RunReport("--teeth 12");
    EXPECT_EQ(undercut.out.substr(undercut.out.rfind('\n', undercut.out.size() - 2) + 1),
              std::string("warning: ") + GearWarningText(kWarningUndercut, kEnglish) + "\n");
}

TEST(InvoluteReport, BadInputNamesTheOptionAndPrintsNothingOnStdout) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"--pin-diameter abc", "--pin-diameter: 'abc' is not a number"},
        {"--pin-diameter 0",
         "--pin-diameter must be a number above 0 and at most the tip "
         "diameter 52.0000."},
        {"--pin-diameter=-3", "--pin-diameter must be a number above 0"},
        {"--pin-diameter 53", "--pin-diameter must be a number above 0"},
        {"--span-teeth 24", "--span-teeth must be a whole number from 1 to 23."},
        {"--span-teeth 0", "--span-teeth must be a whole number from 1 to 23."},
        {"--span-teeth 2.5", "--span-teeth: '2.5' is not a whole number"},
        {"--pin-diameter \"$(printf '1\\033[31mX\\nY')\"",
         "--pin-diameter: '1\\x1b[31mX\\nY' is not a number"},
        {"--span-teeth", "--span-teeth needs a value"},
        {"--teeth 0 --json", "--teeth must be a whole number from 1 to 9999."},
        {"--json=1", "unknown option '--json=1'"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunReport(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

}  // namespace
