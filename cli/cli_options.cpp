#include "cli/cli_options.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/option_text.h"

enum OptionKind { kInteger, kReal, kFileName };

struct OptionSpec {
    const char* name;
    OptionKind kind;
    GearField field;
    const char* meaning;
};

static const OptionSpec kOptions[] = {
    {"--teeth", kInteger, kFieldToothCount, "number of teeth, 1 to 9999"},
    {"--module", kReal, kFieldModule, "module in drawing units, above 0"},
    {"--pressure-angle", kReal, kFieldPressureAngle, "pressure angle in degrees, 0 < a < 90"},
    {"--shift", kReal, kFieldProfileShift, "profile shift coefficient x"},
    {"--addendum", kReal, kFieldAddendum, "addendum coefficient"},
    {"--dedendum", kReal, kFieldDedendum, "dedendum coefficient"},
    {"--tip-radius", kReal, kFieldToolTipRadius, "cutter tip radius coefficient, 0 or more"},
    {"--involute-divisions", kInteger, kFieldInvoluteDivisions, "involute segments, 1 to 100"},
    {"--fillet-divisions", kInteger, kFieldFilletDivisions, "fillet segments, 1 to 70"},
    {"-o", kFileName, kFieldNone, "file to write (script, dxf, svg)"},
};

const char* OptionOfField(GearField field) {
    for (const OptionSpec& option : kOptions) {
        if (option.field == field && field != kFieldNone) {
            return option.name;
        }
    }
    return "";
}

static void DescribeDefault(const OptionSpec& option, const GearParameters& d, char* text,
                            size_t size) {
    switch (option.field) {
        case kFieldToothCount:
            snprintf(text, size, "%d", d.toothCount);
            return;
        case kFieldModule:
            snprintf(text, size, "%g", d.module);
            return;
        case kFieldPressureAngle:
            snprintf(text, size, "%g", d.pressureAngleDeg);
            return;
        case kFieldProfileShift:
            snprintf(text, size, "%g", d.profileShiftCoef);
            return;
        case kFieldAddendum:
            snprintf(text, size, "%g", d.addendumCoef);
            return;
        case kFieldDedendum:
            snprintf(text, size, "%g", d.dedendumCoef);
            return;
        case kFieldToolTipRadius:
            snprintf(text, size, "%g", d.toolTipRadiusCoef);
            return;
        case kFieldInvoluteDivisions:
            snprintf(text, size, "%d", d.involuteDivisions);
            return;
        case kFieldFilletDivisions:
            snprintf(text, size, "%d", d.filletDivisions);
            return;
        case kFieldNone:
            break;
    }
    snprintf(text, size, "test.scr, test.dxf, test.svg");
}

void PrintUsage() {
    printf(
        "usage: involute profile [options]\n"
        "       involute script [options] [-o FILE]\n"
        "       involute report [options] [--pin-diameter D] [--span-teeth K] [--json]\n"
        "       involute dxf [options] [-o FILE]\n"
        "       involute svg [options] [-o FILE]\n"
        "\n"
        "profile  prints the pitch, tip and root radii and the half-tooth profile points\n"
        "         as CSV, numbers with 17 significant digits\n"
        "script   writes the CAD drawing script of the whole gear (CR LF line ends)\n"
        "report   prints the gear data: diameters, tooth thicknesses, span and over-pins\n"
        "         measurements, undercut and warnings; lengths with four decimals\n"
        "dxf      writes the gear as a DXF R12 drawing: one closed outline, undercut loop\n"
        "         cut off, and the reference circles (CR LF line ends)\n"
        "svg      writes the same outline and circles as an SVG picture in millimetres\n"
        "\n"
        "options (default in brackets):\n");
    const GearParameters defaults = DefaultGearParameters();
    for (const OptionSpec& option : kOptions) {
        char value[32];
        DescribeDefault(option, defaults, value, sizeof value);
        printf("  %-22s %s [%s]\n", option.name, option.meaning, value);
    }
    PrintReportOptions();
    printf(
        "\nThe tooth depth, tip and root radii must be positive, the tip circle must lie outside\n"
        "the base circle, the cutter rounding's centre below the pitch line and inside half the\n"
        "cutter tooth, and the tooth must not become pointed. Coefficients and the module lie\n"
        "within -1000000 and 1000000.\n");
}

// Prints text as typed, but with its control characters written as escapes (\n, \t, \x1b,
// \u009b ...), so that a refused value can neither break the message's line nor drive the
// terminal. Other bytes from 0x80 up pass: they are the letters of other scripts.
static bool StoreValue(const OptionSpec& option, const char* text, CliRequest* request) {
    GearParameters& p = request->parameters;
    int integer = 0;
    double real = 0;
    if (option.kind == kFileName) {
        request->outputFile = text;
        return true;
    }
    const bool whole = option.kind == kInteger;
    if (whole ? !ReadWholeNumberOption(text, &integer) : !ReadNumberOption(text, &real)) {
        PrintNotANumber(option.name, text, whole);
        return false;
    }
    switch (option.field) {
        case kFieldToothCount:
            p.toothCount = integer;
            break;
        case kFieldModule:
            p.module = real;
            break;
        case kFieldPressureAngle:
            p.pressureAngleDeg = real;
            break;
        case kFieldProfileShift:
            p.profileShiftCoef = real;
            break;
        case kFieldAddendum:
            p.addendumCoef = real;
            break;
        case kFieldDedendum:
            p.dedendumCoef = real;
            break;
        case kFieldToolTipRadius:
            p.toolTipRadiusCoef = real;
            break;
        case kFieldInvoluteDivisions:
            p.involuteDivisions = integer;
            break;
        case kFieldFilletDivisions:
            p.filletDivisions = integer;
            break;
        case kFieldNone:
            break;
    }
    return true;
}

static const OptionSpec* FindOption(const char* name, size_t length) {
    for (const OptionSpec& option : kOptions) {
        if (strlen(option.name) == length && strncmp(option.name, name, length) == 0) {
            return &option;
        }
    }
    if (length == 8 && strncmp(name, "--output", 8) == 0) {
        return &kOptions[sizeof kOptions / sizeof kOptions[0] - 1];
    }
    return nullptr;
}

static bool ParseOptions(int argc, char** argv, CliRequest* request) {
    for (int a = 2; a < argc; a++) {
        const char* word = argv[a];
        const int taken = request->command == kCommandReport
                              ? ParseReportOption(argc, argv, a, &request->report)
                              : 0;
        if (taken != 0) {
            if (taken < 0) {
                return false;
            }
            a += taken - 1;
            continue;
        }
        if (strcmp(word, "--help") == 0 || strcmp(word, "-h") == 0) {
            request->command = kCommandHelp;
            return true;
        }
        // Both "--teeth 12" and "--teeth=12".
        const char* equals = strchr(word, '=');
        const size_t length = equals != nullptr ? static_cast<size_t>(equals - word) : strlen(word);
        const OptionSpec* option = FindOption(word, length);
        if (option == nullptr ||
            (option->kind == kFileName && request->command != kCommandScript &&
             request->command != kCommandDxf && request->command != kCommandSvg)) {
            fprintf(stderr, "involute: unknown option '");
            PrintEscaped(stderr, word);
            fprintf(stderr, "' (see involute --help)\n");
            return false;
        }
        const char* value = equals != nullptr ? equals + 1 : nullptr;
        if (value == nullptr) {
            if (a + 1 >= argc) {
                fprintf(stderr, "involute: %s needs a value\n", option->name);
                return false;
            }
            value = argv[++a];
        }
        if (!StoreValue(*option, value, request)) {
            return false;
        }
    }
    return true;
}

bool ParseCommandLine(int argc, char** argv, CliRequest* request) {
    request->command = kCommandNone;
    request->parameters = DefaultGearParameters();
    request->outputFile = "test.scr";
    request->report = DefaultReportRequest();
    if (argc < 2) {
        fprintf(stderr, "involute: say profile, script, dxf or svg (see involute --help)\n");
        return false;
    }
    const char* command = argv[1];
    if (strcmp(command, "--help") == 0 || strcmp(command, "-h") == 0 ||
        strcmp(command, "help") == 0) {
        request->command = kCommandHelp;
        return true;
    }
    if (strcmp(command, "profile") == 0) {
        request->command = kCommandProfile;
    } else if (strcmp(command, "script") == 0) {
        request->command = kCommandScript;
    } else if (strcmp(command, "report") == 0) {
        request->command = kCommandReport;
    } else if (strcmp(command, "dxf") == 0) {
        request->command = kCommandDxf;
        request->outputFile = "test.dxf";
    } else if (strcmp(command, "svg") == 0) {
        request->command = kCommandSvg;
        request->outputFile = "test.svg";
    } else {
        fprintf(stderr, "involute: unknown command '");
        PrintEscaped(stderr, command);
        fprintf(stderr, "' (see involute --help)\n");
        return false;
    }
    return ParseOptions(argc, argv, request);
}
