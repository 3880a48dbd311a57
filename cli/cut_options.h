// The options that say how the gear is cut: --internal (a ring), --cutter rack|shaper,
// --cutter-teeth, --cutter-shift and --rim-diameter; with a prefix ("--mate-"), the same
// for a pair's mate.
#pragma once

#include "gear/gear_cut.h"

struct CutRequest {
    GearCut cut;
    bool cutterGiven;  // --cutter was given: a ring refuses the rack
};

CutRequest DefaultCutRequest();

// Reads the cut option at argv[at] named with prefix ("--" or "--mate-"), with its value.
// Returns how many words it took, 0 when argv[at] is none, -1 after one line on stderr.
int ParseCutOption(const char* prefix, int argc, char** argv, int at, CutRequest* request);

// The cut as given: false after one line on stderr when a ring was asked of the rack.
bool FinishCutRequest(const char* prefix, CutRequest* request);

// The option lines of the usage text.
void PrintCutOptions();
