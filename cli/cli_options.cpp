#include "cli/cli_options.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/option_text.h"
#include "gear/fitted_flank.h"
#include "ui/gear_fields.h"
#include "ui/parameter_message.h"

// The tool's option for a field, as the user types it.
const char* OptionOfField(GearField field) {
    return field == kFieldNone ? "" : GearFieldRowOf(field).option;
}

// How the help describes a field's range: "1 to 9999", "above 0, at most 1000000".
static void DescribeRange(const GearFieldRow& row, char* text, size_t size) {
    const char* from = row.lowestEnd == kEndIncluded ? "" : "above ";
    const char* to = row.highestEnd == kEndIncluded
                         ? (row.lowestEnd == kEndIncluded ? " to " : ", at most ")
                         : ", below ";
    snprintf(text, size, "%s%.10g%s%.10g", from, row.lowest, to, row.highest);
}

void PrintUsage() {
    printf(
        "usage: involute profile [options]\n"
        "       involute script [options] [-o FILE]\n"
        "       involute report [options] [--pin-diameter D] [--span-teeth K] [--json]\n"
        "       involute dxf [options] [--outline KIND] [--tolerance T] [-o FILE]\n"
        "       involute svg [options] [--outline KIND] [--tolerance T] [-o FILE]\n"
        "       involute pair report|dxf|svg [options] --mate-teeth N [--mate-shift X]\n"
        "                [--center-distance A] [--shorten-tips] [--json] [--outline KIND]\n"
        "                [--tolerance T] [-o FILE]\n"
        "\n"
        "profile  prints the pitch, tip and root radii and the half-tooth profile points\n"
        "         as CSV, numbers with 17 significant digits\n"
        "script   writes the CAD drawing script of the whole gear (CR LF line ends)\n"
        "report   prints the gear data: diameters, tooth thicknesses, span and over-pins\n"
        "         measurements, undercut and warnings; lengths with four decimals\n"
        "dxf      writes the gear as a DXF R12 drawing: one closed outline, undercut loop\n"
        "         cut off, its flanks fitted arcs or the script's chords, and the\n"
        "         reference circles; a ring's rim too (CR LF line ends)\n"
        "svg      writes the same outline and circles as an SVG picture in millimetres\n"
        "pair     the gear with its mate (module, pressure angle, addendum, dedendum,\n"
        "         cutter tip radius and divisions shared): the pair's data (centre distance,\n"
        "         backlash, contact, interference checked on the cut teeth), or both gears\n"
        "         in mesh as a DXF drawing or SVG picture\n"
        "\n"
        "options (default in brackets):\n");
    const GearParameters defaults = DefaultGearParameters();
    for (const GearFieldRow& row : kGearFields) {
        char range[96];
        DescribeRange(row, range, sizeof range);
        printf("  %-22s %s%s, %s [%g]\n", row.option, Text(row.label, kEnglish), row.unit, range,
               GearFieldValue(row, defaults));
        if (row.alias != nullptr) {
            printf("  %-22s the same as %s\n", row.alias, row.option);
        }
    }
    printf("  %-22s %s\n", "-o FILE",
           "file to write [test.scr, test.dxf, test.svg; pair: pair.dxf, pair.svg]");
    PrintCutOptions();
    printf(
        "  --outline KIND         (dxf, svg, pair dxf|svg) fitted: the flanks as circular\n"
        "                         arcs within the tolerance of the true tooth; divided:\n"
        "                         the script's chords [fitted]\n"
        "  --tolerance T          (dxf, svg, pair dxf|svg) in drawing units: how far the\n"
        "                         arcs may stray from the true flank; divided: how close\n"
        "                         two points may lie before they merge; at most 0.01 *\n"
        "                         module [1e-4 * module]\n");
    PrintReportOptions();
    PrintPairOptions();
    printf(
        "\nThe tooth depth, tip and root radii must be positive, the tip circle must lie outside\n"
        "the base circle, the cutter rounding's centre below the pitch line and inside half the\n"
        "cutter tooth, and the tooth must not become pointed.\n");
}

// Reads the field's value strictly and stores it in the request's gear.
static bool StoreFieldValue(const GearFieldRow& row, const char* option, const char* text,
                            CliRequest* request) {
    const bool whole = row.kind == kWholeField;
    int integer = 0;
    double real = 0;
    if (whole ? !ReadWholeNumberOption(text, &integer) : !ReadNumberOption(text, &real)) {
        PrintNotANumber(option, text, whole);
        return false;
    }
    SetGearFieldValue(row, whole ? integer : real, &request->parameters);
    return true;
}

// The field whose option (or its older alias) is name[0..length), or null.
static const GearFieldRow* FindField(const char* name, size_t length) {
    for (const GearFieldRow& row : kGearFields) {
        const char* const names[] = {row.option, row.alias};
        for (const char* option : names) {
            if (option != nullptr && strlen(option) == length &&
                strncmp(option, name, length) == 0) {
                return &row;
            }
        }
    }
    return nullptr;
}

static bool IsOutputOption(const char* name, size_t length) {
    return (length == 2 && strncmp(name, "-o", 2) == 0) ||
           (length == 8 && strncmp(name, "--output", 8) == 0);
}

static bool IsPairCommand(CliCommand command) {
    return command == kCommandPairReport || command == kCommandPairDxf ||
           command == kCommandPairSvg;
}

// The option of the command's own at argv[a]: how many words it took, 0 for none, -1 after
// a refusal.
static int ParseCommandOption(int argc, char** argv, int a, CliRequest* request) {
    const int cut = ParseCutOption("--", argc, argv, a, &request->cut);
    if (cut != 0) {
        return cut;
    }
    if (request->command == kCommandReport) {
        return ParseReportOption(argc, argv, a, &request->report);
    }
    if (IsPairCommand(request->command)) {
        return ParsePairOption(argc, argv, a, &request->pair);
    }
    return 0;
}

// "--outline" and "--tolerance", the options of the drawing files.
enum DrawingOption { kNoDrawingOption, kOutlineOption, kToleranceOption };

static DrawingOption DrawingOptionOf(const char* name, size_t length) {
    if (length == 9 && strncmp(name, "--outline", 9) == 0) {
        return kOutlineOption;
    }
    if (length == 11 && strncmp(name, "--tolerance", 11) == 0) {
        return kToleranceOption;
    }
    return kNoDrawingOption;
}

static bool StoreDrawingOption(DrawingOption option, const char* value, CliRequest* request) {
    if (option == kToleranceOption) {
        request->tolerance = value;
        return true;
    }
    if (strcmp(value, "fitted") == 0 || strcmp(value, "divided") == 0) {
        request->outline = value[0] == 'f' ? kOutlineFitted : kOutlineDivided;
        return true;
    }
    fprintf(stderr, "involute: --outline: '");
    PrintEscaped(stderr, value);
    fprintf(stderr, "' is not fitted or divided\n");
    return false;
}

static bool ParseOptions(int argc, char** argv, int first, CliRequest* request) {
    for (int a = first; a < argc; a++) {
        const char* word = argv[a];
        const int taken = ParseCommandOption(argc, argv, a, request);
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
        const GearFieldRow* field = FindField(word, length);
        const bool output = IsOutputOption(word, length);
        const DrawingOption drawing = DrawingOptionOf(word, length);
        const bool drawingFile =
            request->command == kCommandDxf || request->command == kCommandSvg ||
            request->command == kCommandPairDxf || request->command == kCommandPairSvg;
        if ((field == nullptr && !output && drawing == kNoDrawingOption) ||
            (output && request->command != kCommandScript && !drawingFile) ||
            (drawing != kNoDrawingOption && !drawingFile)) {
            fprintf(stderr, "involute: unknown option '");
            PrintEscaped(stderr, word);
            fprintf(stderr, "' (see involute --help)\n");
            return false;
        }
        const char* value = equals != nullptr ? equals + 1 : nullptr;
        if (value == nullptr) {
            if (a + 1 >= argc) {
                fprintf(stderr, "involute: %.*s needs a value\n", static_cast<int>(length), word);
                return false;
            }
            value = argv[++a];
        }
        if (output) {
            request->outputFile = value;
            continue;
        }
        if (drawing != kNoDrawingOption) {
            if (!StoreDrawingOption(drawing, value, request)) {
                return false;
            }
            continue;
        }
        // The option as typed, an alias included: a found option is one of the table's.
        char typed[64];
        snprintf(typed, sizeof typed, "%.*s", static_cast<int>(length), word);
        if (!StoreFieldValue(*field, typed, value, request)) {
            return false;
        }
    }
    return true;
}

// "pair report|dxf|svg", then the options; the mate's teeth must be given.
static bool ParsePairCommand(int argc, char** argv, CliRequest* request) {
    const char* what = argc > 2 ? argv[2] : "";
    if (strcmp(what, "report") == 0) {
        request->command = kCommandPairReport;
    } else if (strcmp(what, "dxf") == 0) {
        request->command = kCommandPairDxf;
        request->outputFile = "pair.dxf";
    } else if (strcmp(what, "svg") == 0) {
        request->command = kCommandPairSvg;
        request->outputFile = "pair.svg";
    } else {
        fprintf(stderr, "involute: say pair report, pair dxf or pair svg (see involute --help)\n");
        return false;
    }
    if (!ParseOptions(argc, argv, 3, request) || !FinishCutRequest("--", &request->cut) ||
        !FinishCutRequest("--mate-", &request->pair.mateCut)) {
        return false;
    }
    request->pair.choice.cut = request->pair.mateCut.cut;
    if (request->command != kCommandHelp && !request->pair.mateTeethGiven) {
        fprintf(stderr, "involute: pair needs %s (see involute --help)\n", kMateTeethOption);
        return false;
    }
    if (request->pair.json && request->command != kCommandPairReport) {
        fprintf(stderr, "involute: --json is for pair report only (see involute --help)\n");
        return false;
    }
    return true;
}

bool ParseCommandLine(int argc, char** argv, CliRequest* request) {
    request->command = kCommandNone;
    request->parameters = DefaultGearParameters();
    request->outputFile = "test.scr";
    request->report = DefaultReportRequest();
    request->pair = DefaultPairRequest();
    request->cut = DefaultCutRequest();
    request->outline = kOutlineFitted;
    request->tolerance = nullptr;
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
    } else if (strcmp(command, "pair") == 0) {
        return ParsePairCommand(argc, argv, request);
    } else {
        fprintf(stderr, "involute: unknown command '");
        PrintEscaped(stderr, command);
        fprintf(stderr, "' (see involute --help)\n");
        return false;
    }
    return ParseOptions(argc, argv, 2, request) && FinishCutRequest("--", &request->cut);
}

bool ResolveOutlineChoice(const CliRequest& request, const GearParameters& p,
                          OutlineChoice* choice) {
    *choice = DefaultOutlineChoice(p);
    choice->style = request.outline;
    if (request.tolerance == nullptr) {
        return true;
    }
    double tolerance = 0;
    if (ReadNumberOption(request.tolerance, &tolerance) && OutlineToleranceAccepted(p, tolerance)) {
        choice->tolerance = tolerance;
        return true;
    }
    char line[400];
    FormatFieldText(kTextRuleOutlineTolerance, kEnglish, "--tolerance", LeastFitTolerance(p),
                    CoarsestFitTolerance(p), line, sizeof line);
    fprintf(stderr, "involute: %s\n", line);
    return false;
}
