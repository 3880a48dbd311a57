#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gear/parameter_check.h"
#include "text/utf8.h"
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

// Printed text that cannot reach stdout (here a closed one) is a failure with a message,
// as a file that cannot be written is.
TEST(InvoluteProfile, StandardOutputThatCannotBeWrittenIsReported) {
    for (const char* command : {"profile >&-", "report >&-"}) {
        const ToolRun run = RunInvolute(command);
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "involute: cannot write the standard output: Bad file descriptor\n")
            << command;
    }
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
         "--tolerance must be a number from 2e-09 to 0.02 for this gear."},
        {"svg --tolerance 0 -o /nonexistent/x.svg", "--tolerance must be a number from 2e-09"},
        {"dxf --tolerance -1 --outline divided -o /nonexistent/x.dxf",
         "--tolerance must be a number from 2e-09"},
        {"svg --module 5 --tolerance 4e-9 -o /nonexistent/x.svg",
         "--tolerance must be a number from 5e-09 to 0.05 for this gear."},
        {"pair svg --mate-teeth 48 --tolerance 0.03 -o /nonexistent/x.svg",
         "--tolerance must be a number from 2e-09 to 0.02 for this gear."},
        {"svg --internal --teeth 50 --rim-diameter 1e300 -o /nonexistent/x.svg",
         "--rim-diameter must be at most 105000.0000."},
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

// The message is one line of text a terminal shows as it is: no control, no character
// that reorders the line, no byte that is no UTF-8.
bool IsOneSafeLine(const std::string& message) {
    const char* c = message.c_str();
    while (*c != '\0') {
        unsigned code = 0;
        const int length = DecodeUtf8(c, &code);
        const bool hidden = (code >= 0x7f && code <= 0x9f) || (code >= 0x200e && code <= 0x200f) ||
                            (code >= 0x2028 && code <= 0x202e) ||
                            (code >= 0x2066 && code <= 0x2069) || code == 0xfeff;
        if (length == 0 || hidden || (code < 0x20 && c[1] != '\0')) {
            return false;
        }
        c += length;
    }
    return message.size() > 1 && message.back() == '\n';
}

// Texts a fuzzer or a careless script types: each refusal names the option at fault and
// what it needs, on one safe line.
TEST(InvoluteBadInput, HostileTextsNameTheirOptionOnOneSafeLine) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"profile --module nan", "--module must be a number above 0 and at most 1000000."},
        {"profile --module -inf", "--module must be a number above 0 and at most 1000000."},
        {"profile --module 1e309", "--module must be a number above 0 and at most 1000000."},
        {"profile --shift nan", "--shift must be a number from -1000000 to 1000000."},
        {"profile --module 1e-300", "--module must be at least 8.45e-05"},
        {"profile --module 4.9e-324", "--module must be at least 8.45e-05"},
        {"profile --module 0x1.8p1", "--module: '0x1.8p1' is not a number"},
        {"profile --addendum ' -0X1p0'", "--addendum: ' -0X1p0' is not a number"},
        {"profile --teeth 0x10", "--teeth: '0x10' is not a whole number"},
        {"profile --teeth 99999999999999999999", "--teeth must be a whole number from 1 to 9999."},
        {"profile --fillet-divisions -2147483649",
         "--fillet-divisions must be a whole number from 1 to 70."},
        {"report --pin-diameter 0x1p2", "--pin-diameter: '0x1p2' is not a number"},
        {"profile --module \"$(printf '\342\200\256evil')\"",
         "--module: '\\u202eevil' is not a number"},
        {"profile --module \"$(printf '\342\201\246x\357\273\277y\342\200\250')\"",
         "--module: '\\u2066x\\ufeffy\\u2028' is not a number"},
        {"profile --module \"$(printf 'a\377\300\200b\355\240\200')\"",
         "--module: 'a\\xff\\xc0\\x80b\\xed\\xa0\\x80' is not a number"},
        {"profile --shift \"$(printf '\302\2331\315\217')\"",
         "--shift: '\\u009b1\xcd\x8f' is not a number"},
        {"\"$(printf 'dr\342\200\256aw')\"", "unknown command 'dr\\u202eaw'"},
    };
    for (const auto& c : cases) {
        const ToolRun run = RunInvolute(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
        EXPECT_TRUE(IsOneSafeLine(run.err)) << c.arguments << ": " << run.err;
    }
}

// Blanks around a number, as a script's quoting leaves them, change nothing.
TEST(InvoluteOptions, TheSameNumberReadsAlikeWithBlanksOnEitherSide) {
    const std::string plain = RunInvolute("profile --module 5 --teeth 12").out;
    ASSERT_NE(plain, "");
    for (const char* typed : {"' 5' --teeth '12 '", "'5 ' --teeth ' 12'",
                              "\"$(printf '\t5\n')\" --teeth \"$(printf '\t12 \r')\""}) {
        const ToolRun run = RunInvolute(std::string("profile --module ") + typed);
        EXPECT_EQ(run.status, 0) << typed << ": " << run.err;
        EXPECT_EQ(run.out, plain) << typed;
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
