// The command line of the involute tool: a subcommand, then long options that override
// the program's default gear.
#pragma once

#include "cli/cut_options.h"
#include "cli/pair_options.h"
#include "cli/report_options.h"
#include "gear/gear_parameters.h"
#include "gear/outline_choice.h"
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
    OutlineStyle outline;    // for dxf and svg
    const char* tolerance;   // for dxf and svg: as typed, read once the gear is known; or null
};

// The option that sets a field, as the user types it.
const char* OptionOfField(GearField field);

// Parses argv into request. On bad input writes one line on stderr and returns false.
bool ParseCommandLine(int argc, char** argv, CliRequest* request);

void PrintUsage();

// The outline the dxf and svg commands draw for gear p (accepted by CheckGear;
// for a pair, the gear whose fit limits the tolerance): the tolerance given, else the
// default. On a tolerance that is not a number or outside what the fit reaches writes one
// line on stderr and returns false.
bool ResolveOutlineChoice(const CliRequest& request, const GearParameters& p,
                          OutlineChoice* choice);
