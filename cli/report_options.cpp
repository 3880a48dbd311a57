#include "cli/report_options.h"

#include <cstdio>
#include <cstring>

#include "cli/option_text.h"

ReportRequest DefaultReportRequest() {
    ReportRequest request = {false, 0.0, false, 0, false};
    return request;
}

int ParseReportOption(int argc, char** argv, int at, ReportRequest* request) {
    if (strcmp(argv[at], "--json") == 0) {
        request->json = true;
        return 1;
    }
    int taken = 0;
    bool missing = false;
    const char* pin = OptionValueAt("--pin-diameter", argc, argv, at, &taken, &missing);
    if (pin != nullptr) {
        if (!ReadNumberOption(pin, &request->pinDiameter)) {
            PrintNotANumber("--pin-diameter", pin, false);
            return -1;
        }
        request->pinGiven = true;
        return taken;
    }
    if (missing) {
        return -1;
    }
    const char* span = OptionValueAt("--span-teeth", argc, argv, at, &taken, &missing);
    if (span != nullptr) {
        if (!ReadWholeNumberOption(span, &request->spanTeeth)) {
            PrintNotANumber("--span-teeth", span, true);
            return -1;
        }
        request->spanGiven = true;
        return taken;
    }
    return missing ? -1 : 0;
}

void PrintReportOptions() {
    printf(
        "  --pin-diameter D       (report) pin or ball diameter, above 0 and at most the tip\n"
        "                         diameter [the pin touching on the reference circle]\n"
        "  --span-teeth K         (report) teeth spanned, 1 to z-1 [contact nearest the middle\n"
        "                         of the involute]\n"
        "  --json                 (report, pair report) one JSON object instead of text\n");
}
