#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gear/parameter_check.h"
#include "tests/unit/script_test_support.h"
#include "tests/unit/tool_run.h"

namespace {

TEST(InvoluteProfile, PrintsTheDefaultGearAsCsv) {
    const ToolRun run = RunInvolute("profile");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("pitchRadius,tipRadius,rootRadius\n24,26,21.5\npoint,x,y\n", 0), 0u);
    EXPECT_NE(run.out.find("\n0,-2.5300718853473305,21.350614423359694\n"), std::string::npos);
    EXPECT_NE(run.out.find("\n50,-0.71546010898478873,25.990154228716143\n"), std::string::npos);
    EXPECT_EQ(run.out.find("\n51,"), std::string::npos);
}

TEST(InvoluteProfile, OptionsChangeTheGear) {
    const ToolRun run = RunInvolute(
        "profile --teeth 12 --shift=0.5 --fillet-divisions 1 "
        "--involute-divisions 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("pitchRadius,tipRadius,rootRadius\n12,15,10.5\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\n2,"), std::string::npos);
    EXPECT_EQ(run.out.find("\n3,"), std::string::npos);
}

TEST(InvoluteBadInput, NamesTheOptionAndPrintsNothingOnStdout) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"profile --teeth 0", "--teeth must be a whole number from 1 to 9999."},
        {"profile --teeth 12.7", "--teeth: '12.7' is not a whole number"},
        {"profile --module abc", "--module: 'abc' is not a number"},
        {"profile --shift 1.0",
         "The centre of the cutter tip rounding would lie on or above the pitch line, so the "
         "fillet would not start on the root circle. --shift must be less than 1.0000"},
        {"profile --addendum 2.0",
         "The tooth becomes pointed: its flanks cross below the tip circle. Lower --addendum"},
        {"profile --addendum 50",
         "The tooth becomes pointed: its flanks cross below the tip circle. Lower --addendum"},
        {"profile --teeth 6 --shift -1",
         "The undercut root crosses the tooth's centre line and cuts through the tooth. Raise "
         "--teeth"},
        {"profile --module 1e-7", "With these divisions --module must be at least 8.45e-05"},
        {"profile --module \"$(printf '1\\n2\\t\\033[31mx\\302\\233')\"",
         "--module: '1\\n2\\t\\x1b[31mx\\u009b' is not a number"},
        {"profile --fillet-divisions 71",
         "--fillet-divisions must be a whole number from 1 to 70."},
        {"profile --module 1e999", "--module must be a number above 0 and at most 1000000."},
        {"profile --colour red", "unknown option '--colour'"},
        {"profile -o x.scr", "unknown option '-o'"},
        {"profile --teeth", "--teeth needs a value"},
        {"dxf --tolerance abc -o /nonexistent/x.dxf",
         "--tolerance must be a number, at least 2e-09 for this gear."},
        {"svg --tolerance 0 -o /nonexistent/x.svg", "--tolerance must be a number, at least 2e-09"},
        {"dxf --tolerance -1 --outline divided -o /nonexistent/x.dxf",
         "--tolerance must be a number, at least 2e-09"},
        {"svg --module 5 --tolerance 4e-9 -o /nonexistent/x.svg",
         "--tolerance must be a number, at least 5e-09 for this gear."},
        {"dxf --outline polygon", "--outline: 'polygon' is not fitted or divided"},
        {"script --outline divided", "unknown option '--outline'"},
        {"draw", "unknown command 'draw'"},
        {"", "say profile, script, dxf or svg"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunInvolute(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST(InvoluteScript, WritesTheSameBytesAsTheCore) {
    const std::string file = "/tmp/involute-test-" + std::to_string(getpid()) + ".scr";
    const ToolRun run = RunInvolute("script --teeth 12 --shift 0.5 -o " + file);
    ASSERT_EQ(run.status, 0) << run.err;
    GearParameters p = DefaultGearParameters();
    p.toothCount = 12;
    p.profileShiftCoef = 0.5;
    EXPECT_EQ(ReadWholeFile(file), ScriptTextOf(p));
    unlink(file.c_str());
}

TEST(InvoluteScript, UnwritableFileIsAnErrorWithExitStatusOne) {
    const ToolRun run = RunInvolute("script -o /nonexistent-folder/test.scr");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write /nonexistent-folder/test.scr"), std::string::npos)
        << run.err;
}

TEST(InvoluteHelp, ListsEveryOptionWithItsDefault) {
    const ToolRun run = RunInvolute("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* text : {"--teeth", "[24]", "--pressure-angle", "[20]", "--tip-radius",
                             "[0.25]", "--fillet-divisions", "1 to 70", "[20]"}) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text;
    }
}

}  // namespace
