// involute: the gear model without the window. Prints the tooth profile as CSV, writes
// the same drawing script, DXF or SVG file as the program, or prints the gear data, for
// headless and batch use.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/cli_options.h"
#include "cli/export_outcome.h"
#include "cli/option_text.h"
#include "cli/pair_command.h"
#include "cli/problem_text.h"
#include "cli/report_command.h"
#include "cli/stop_signals.h"
#include "formats/cad_export.h"
#include "formats/script_export.h"
#include "gear/parameter_check.h"
#include "gear/tooth_profile.h"

static void PrintProfile(const GearGeometry& g, const ToothProfile& profile, int last) {
    printf("pitchRadius,tipRadius,rootRadius\n");
    printf("%.17g,%.17g,%.17g\n", g.pitchRadius, g.tipRadius, g.rootRadius);
    printf("point,x,y\n");
    for (int i = 0; i <= last; i++) {
        printf("%d,%.17g,%.17g\n", i, profile.profileX[i], profile.profileY[i]);
    }
}

// Exit status 0 when all that was printed reached stdout, else 1 and one line on stderr:
// a pipe closed early, a full disk.
static int FinishStandardOutput() {
    if (fflush(stdout) == 0 && !ferror(stdout)) {
        return 0;
    }
    fprintf(stderr, "involute: cannot write the standard output: %s\n",
            strerror(errno != 0 ? errno : EIO));
    return 1;
}

static int RunInvolute(int argc, char** argv) {
    PrepareStopSignals();
    CliRequest request;
    if (!ParseCommandLine(argc, argv, &request)) {
        return 2;
    }
    if (request.command == kCommandHelp) {
        PrintUsage();
        return 0;
    }
    const ParameterProblem problem = CheckGear(request.parameters, request.cut.cut);
    if (problem.rule != kRuleAccepted) {
        char line[400];
        FormatProblemLine(problem, line, sizeof line);
        fprintf(stderr, "%s\n", line);
        return 2;
    }
    if (request.command == kCommandReport) {
        const int status = RunReport(request.parameters, request.cut.cut, request.report);
        return status != 0 ? status : FinishStandardOutput();
    }
    if (request.command == kCommandPairReport || request.command == kCommandPairDxf ||
        request.command == kCommandPairSvg) {
        return RunPair(request);
    }
    static Gear gear;
    ComputeGear(request.parameters, request.cut.cut, &gear);
    if (request.command == kCommandProfile) {
        PrintProfile(gear.geometry, gear.profile, GearLastIndex(gear));
        return FinishStandardOutput();
    }
    if (request.command == kCommandScript) {
        return ExportOutcome(request.outputFile, ExportDrawingScript(request.outputFile, gear));
    }
    CadDrawing drawing = GearDrawing(gear, DefaultOutlineChoice(gear.parameters));
    if (!ResolveOutlineChoice(request, gear.parameters, &drawing.outline)) {
        return 2;
    }
    return ExportOutcome(request.outputFile, request.command == kCommandDxf
                                                 ? ExportDxfDrawing(request.outputFile, drawing)
                                                 : ExportSvgDrawing(request.outputFile, drawing));
}

#ifdef _WIN32
#include "text/utf8.h"

// The longest command line Windows passes, in wide characters; each takes at most three
// bytes of UTF-8 (a surrogate pair, two of them, four).
static const size_t kCommandLineUnits = 32768;

// The arguments arrive as UTF-16, whatever the code page; the tool works in UTF-8, so a
// file name in any script reaches the file calls whole.
int wmain(int argc, wchar_t** argv) {
    static char bytes[3 * kCommandLineUnits + kCommandLineUnits];
    static char* arguments[kCommandLineUnits];
    size_t used = 0;
    int count = 0;
    for (int i = 0; i < argc && i < static_cast<int>(kCommandLineUnits) - 1; i++) {
        char* argument = bytes + used;
        if (!Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i]), argument,
                         sizeof bytes - used)) {
            break;
        }
        arguments[count++] = argument;
        used += strlen(argument) + 1;
    }
    arguments[count] = nullptr;
    return RunInvolute(count, arguments);
}
#else
int main(int argc, char** argv) {
    return RunInvolute(argc, argv);
}
#endif
