#include "cli/pair_command.h"

#include <cstdio>

#include "cli/export_outcome.h"
#include "cli/option_text.h"
#include "formats/cad_export.h"
#include "formats/pair_report_text.h"
#include "ui/pair_message.h"

// Refuses the request's pair: one line naming the option at fault.
static int Refused(const CliRequest& request, const PairProblem& problem) {
    const MateFieldNames names = {kMateTeethOption, kMateShiftOption, kCentreDistanceOption,
                                  "--mate-internal"};
    char field[64];
    MateFieldName(problem, request.pair.choice, names, kEnglish, true, field, sizeof field);
    char line[1024];
    FormatPairSentence(problem, request.parameters, request.pair.choice, kEnglish, field, line,
                       sizeof line);
    PrintRefusal(line);
    return 2;
}

int RunPair(const CliRequest& request) {
    if (request.pair.centreDistanceGiven && !(request.pair.choice.centreDistance > 0)) {
        char line[400];
        snprintf(line, sizeof line, Text(kTextRuleCentreDistanceNotANumber, kEnglish),
                 kCentreDistanceOption);
        PrintRefusal(line);
        return 2;
    }
    static GearPair pair;
    const PairProblem problem =
        ComputeGearPair(request.parameters, request.cut.cut, request.pair.choice, &pair);
    if (problem.mate.rule != kRuleAccepted || problem.pair != kPairAccepted) {
        return Refused(request, problem);
    }
    if (request.command != kCommandPairReport) {
        // Both gears as the outline choice draws them; the tolerance must suit both.
        CadDrawing drawing = PairDrawing(pair, DefaultOutlineChoice(pair.gear.parameters));
        if (!ResolveOutlineChoice(request, FitLimitingGear(drawing), &drawing.outline)) {
            return 2;
        }
        const char* file = request.outputFile;
        return ExportOutcome(file, request.command == kCommandPairDxf
                                       ? ExportDxfDrawing(file, drawing)
                                       : ExportSvgDrawing(file, drawing));
    }
    static char text[16384];
    if (request.pair.json) {
        FormatPairReportJson(pair, text, sizeof text);
    } else {
        FormatPairReport(pair, kEnglish, "\n", text, sizeof text);
    }
    fputs(text, stdout);
    return fflush(stdout) == 0 ? 0 : 1;
}
