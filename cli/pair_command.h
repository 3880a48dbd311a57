// involute pair: the gear with its mate, as the pair's data on stdout or as both gears in
// mesh written to a DXF or SVG file.
#pragma once

#include "cli/cli_options.h"

// For a gear accepted by CheckGearParameters: refuses a bad mate or centre distance with
// one line on stderr (status 2); else prints the report (status 0, or 1 when stdout fails)
// or writes the file (status 0, or 1 with one line on stderr).
int RunPair(const CliRequest& request);
