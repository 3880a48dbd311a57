// The options of "involute report" besides the gear: a pin diameter, a span tooth count
// and the JSON switch.
#pragma once

struct ReportRequest {
    bool pinGiven;
    double pinDiameter;
    bool spanGiven;
    int spanTeeth;
    bool json;
};

ReportRequest DefaultReportRequest();

// Reads the report option at argv[at], with its value. Returns how many words it took, 0
// when argv[at] is no report option, -1 after writing one line on stderr for bad input.
int ParseReportOption(int argc, char** argv, int at, ReportRequest* request);

// The option lines of the usage text.
void PrintReportOptions();
