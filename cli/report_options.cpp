#include "cli/report_options.h"

#include <cstdio>
#include <cstring>

#include "cli/option_text.h"

ReportRequest DefaultReportRequest() {
    ReportRequest request = {false, 0.0, false, 0, false};
    return request;
}

// The value of "--name VALUE" or "--name=VALUE" at argv[at], or null when argv[at] is
// another option; *taken is the number of words used.
static const char* ValueOf(const char* name, int argc, char** argv, int at, int* taken,
                           bool* missing) {
    const char* word = argv[at];
    const size_t length = strlen(name);
    *missing = false;
    if (strncmp(word, name, length) != 0) {
        return nullptr;
    }
    if (word[length] == '=') {
        *taken = 1;
        return word + length + 1;
    }
    if (word[length] != '\0') {
        return nullptr;
    }
    if (at + 1 >= argc) {
        *missing = true;
        fprintf(stderr, "involute: %s needs a value\n", name);
        return nullptr;
    }
    *taken = 2;
    return argv[at + 1];
}

int ParseReportOption(int argc, char** argv, int at, ReportRequest* request) {
    if (strcmp(argv[at], "--json") == 0) {
        request->json = true;
        return 1;
    }
    int taken = 0;
    bool missing = false;
    const char* pin = ValueOf("--pin-diameter", argc, argv, at, &taken, &missing);
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
    const char* span = ValueOf("--span-teeth", argc, argv, at, &taken, &missing);
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
        "  --json                 (report) one JSON object instead of text\n");
}
