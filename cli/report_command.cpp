#include "cli/report_command.h"

#include <cstdio>

#include "cli/option_text.h"
#include "formats/gear_report_text.h"
#include "gear/cut_gear_data.h"

int RunReport(const GearParameters& p, const GearCut& cut, const ReportRequest& request) {
    // 0 in the core means "choose"; a value given must be one that can be measured.
    const double pin = request.pinGiven ? request.pinDiameter : 0;
    const int span = request.spanGiven ? request.spanTeeth : 0;
    GearDataRefusal refusal = kGearDataAccepted;
    if (request.pinGiven && !CutPinDiameterAccepted(p, cut, pin)) {
        refusal = kPinDiameterRefused;
    } else if (request.spanGiven && !CutSpanTeethAccepted(p, cut, span)) {
        refusal = kSpanTeethRefused;
    }
    if (refusal != kGearDataAccepted) {
        char line[400];
        FormatCutGearDataRefusal(refusal, p, cut.internal, kEnglish,
                                 refusal == kPinDiameterRefused ? "--pin-diameter" : "--span-teeth",
                                 line, sizeof line);
        PrintRefusal(line);
        return 2;
    }
    GearData data;
    ComputeCutGearData(p, cut, pin, span, &data);
    static char text[8192];
    if (request.json) {
        FormatGearReportJson(data, text, sizeof text);
    } else {
        FormatGearReport(data, kEnglish, "\n", text, sizeof text);
    }
    fputs(text, stdout);
    return 0;
}
