#include "cli/cut_options.h"

#include <cstdio>
#include <cstring>

#include "cli/option_text.h"

CutRequest DefaultCutRequest() {
    CutRequest request;
    request.cut = RackCut();
    request.cut.cutterTeeth = DefaultShaperCut(false).cutterTeeth;
    request.cutterGiven = false;
    return request;
}

// The option prefix followed by name: "--mate-" and "cutter" make "--mate-cutter".
static void OptionName(const char* prefix, const char* name, char* text, size_t size) {
    snprintf(text, size, "%s%s", prefix, name);
}

int ParseCutOption(const char* prefix, int argc, char** argv, int at, CutRequest* request) {
    char name[64];
    OptionName(prefix, "internal", name, sizeof name);
    if (strcmp(argv[at], name) == 0) {
        request->cut.internal = true;
        return 1;
    }
    int taken = 0;
    bool missing = false;
    OptionName(prefix, "cutter", name, sizeof name);
    const char* cutter = OptionValueAt(name, argc, argv, at, &taken, &missing);
    if (cutter != nullptr) {
        if (strcmp(cutter, "rack") != 0 && strcmp(cutter, "shaper") != 0) {
            fprintf(stderr, "involute: %s: '", name);
            PrintEscaped(stderr, cutter);
            fprintf(stderr, "' is not rack or shaper\n");
            return -1;
        }
        request->cut.cutter = strcmp(cutter, "rack") == 0 ? kRackCutter : kShaperCutter;
        request->cutterGiven = true;
        return taken;
    }
    if (missing) {
        return -1;
    }
    OptionName(prefix, "cutter-teeth", name, sizeof name);
    const char* teeth = OptionValueAt(name, argc, argv, at, &taken, &missing);
    if (teeth != nullptr) {
        if (!ReadWholeNumberOption(teeth, &request->cut.cutterTeeth)) {
            PrintNotANumber(name, teeth, true);
            return -1;
        }
        return taken;
    }
    if (missing) {
        return -1;
    }
    OptionName(prefix, "cutter-shift", name, sizeof name);
    const char* shift = OptionValueAt(name, argc, argv, at, &taken, &missing);
    if (shift != nullptr) {
        if (!ReadNumberOption(shift, &request->cut.cutterShiftCoef)) {
            PrintNotANumber(name, shift, false);
            return -1;
        }
        return taken;
    }
    if (missing) {
        return -1;
    }
    OptionName(prefix, "rim-diameter", name, sizeof name);
    const char* rim = OptionValueAt(name, argc, argv, at, &taken, &missing);
    if (rim != nullptr) {
        if (!ReadNumberOption(rim, &request->cut.rimDiameter) || !(request->cut.rimDiameter > 0)) {
            fprintf(stderr, "involute: %s: '", name);
            PrintEscaped(stderr, rim);
            fprintf(stderr, "' is not a number above 0\n");
            return -1;
        }
        return taken;
    }
    return missing ? -1 : 0;
}

bool FinishCutRequest(const char* prefix, CutRequest* request) {
    if (request->cut.internal) {
        if (request->cutterGiven && request->cut.cutter == kRackCutter) {
            fprintf(stderr, "involute: %scutter: a ring is cut by a shaper cutter, not a rack\n",
                    prefix);
            return false;
        }
        request->cut.cutter = kShaperCutter;
    }
    return true;
}

void PrintCutOptions() {
    printf(
        "  --internal             a ring (internal gear), cut by a shaper cutter; a positive\n"
        "                         shift moves its profile outward (its spaces widen)\n"
        "  --cutter rack|shaper   the cutter [rack; a ring: shaper]\n"
        "  --cutter-teeth N       the shaper cutter's number of teeth [25]\n"
        "  --cutter-shift X0      the shaper cutter's profile shift coefficient [0]\n"
        "  --rim-diameter D       a ring's outer diameter [its root diameter + 4 m]\n");
}
