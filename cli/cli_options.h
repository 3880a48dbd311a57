// The command line of the involute tool: a subcommand, then long options that override
// the program's default gear.
#pragma once

#include "cli/cut_options.h"
#include "cli/pair_options.h"
#include "cli/report_options.h"
#include "gear/gear_parameters.h"
#include "gear/parameter_check.h"

enum CliCommand {
    kCommandNone,
    kCommandHelp,
    kCommandProfile,
    kCommandScript,
    kCommandDxf,
    kCommandSvg,
    kCommandReport,
    kCommandPairReport,
    kCommandPairDxf,
    kCommandPairSvg,
};

struct CliRequest {
    CliCommand command;
    GearParameters parameters;
    CutRequest cut;          // how the gear is cut
    const char* outputFile;  // for script, dxf and svg
    ReportRequest report;    // for report
    PairRequest pair;        // for pair
};

// The option that sets a field, as the user types it.
const char* OptionOfField(GearField field);

// Parses argv into request. On bad input writes one line on stderr and returns false.
bool ParseCommandLine(int argc, char** argv, CliRequest* request);

void PrintUsage();
