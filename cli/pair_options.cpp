#include "cli/pair_options.h"

#include <cstdio>
#include <cstring>

#include "cli/option_text.h"

PairRequest DefaultPairRequest() {
    PairRequest request = {};
    request.mateCut = DefaultCutRequest();
    request.choice = {0, 0.0, 0.0, false, request.mateCut.cut};
    return request;
}

int ParsePairOption(int argc, char** argv, int at, PairRequest* request) {
    const int cut = ParseCutOption("--mate-", argc, argv, at, &request->mateCut);
    if (cut != 0) {
        return cut;
    }
    if (strcmp(argv[at], "--json") == 0) {
        request->json = true;
        return 1;
    }
    if (strcmp(argv[at], "--shorten-tips") == 0) {
        request->choice.shortenTips = true;
        return 1;
    }
    int taken = 0;
    bool missing = false;
    const char* teeth = OptionValueAt(kMateTeethOption, argc, argv, at, &taken, &missing);
    if (teeth != nullptr) {
        if (!ReadWholeNumberOption(teeth, &request->choice.toothCount)) {
            PrintNotANumber(kMateTeethOption, teeth, true);
            return -1;
        }
        request->mateTeethGiven = true;
        return taken;
    }
    const char* shift =
        missing ? nullptr : OptionValueAt(kMateShiftOption, argc, argv, at, &taken, &missing);
    if (shift != nullptr) {
        if (!ReadNumberOption(shift, &request->choice.shiftCoef)) {
            PrintNotANumber(kMateShiftOption, shift, false);
            return -1;
        }
        return taken;
    }
    const char* centre =
        missing ? nullptr : OptionValueAt(kCentreDistanceOption, argc, argv, at, &taken, &missing);
    if (centre != nullptr) {
        if (!ReadNumberOption(centre, &request->choice.centreDistance)) {
            PrintNotANumber(kCentreDistanceOption, centre, false);
            return -1;
        }
        request->centreDistanceGiven = true;
        return taken;
    }
    return missing ? -1 : 0;
}

void PrintPairOptions() {
    printf(
        "  --mate-teeth N         (pair) the mate's number of teeth\n"
        "  --mate-shift X         (pair) the mate's profile shift coefficient [0]\n"
        "  --center-distance A    (pair) the centre distance in drawing units [the tight mesh]\n"
        "  --shorten-tips         (pair) cut both tips down to keep the standard root clearance\n"
        "  --mate-internal, --mate-cutter, --mate-cutter-teeth, --mate-cutter-shift,\n"
        "  --mate-rim-diameter    (pair) the mate's cut, as the options above for the gear\n");
}
