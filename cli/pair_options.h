// The options of "involute pair" besides the gear: the mate's teeth and shift, the centre
// distance, tip shortening and the JSON switch.
#pragma once

#include "cli/cut_options.h"
#include "gear/gear_pair.h"

struct PairRequest {
    bool mateTeethGiven;
    MateChoice choice;
    CutRequest mateCut;  // the mate's cutter, and whether it is a ring
    bool centreDistanceGiven;
    bool json;
};

PairRequest DefaultPairRequest();

// Reads the pair option at argv[at], with its value. Returns how many words it took, 0 when
// argv[at] is no pair option, -1 after writing one line on stderr for bad input.
int ParsePairOption(int argc, char** argv, int at, PairRequest* request);

// The option lines of the usage text.
void PrintPairOptions();

// The options that name the mate's fields and the centre distance.
const char* const kMateTeethOption = "--mate-teeth";
const char* const kMateShiftOption = "--mate-shift";
const char* const kCentreDistanceOption = "--center-distance";
