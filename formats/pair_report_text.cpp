#include "formats/pair_report_text.h"

#include <cmath>
#include <cstdio>

#include "formats/text_buffer.h"
#include "gear/circle_constants.h"

enum PairKindOfValue { kPairLength, kPairAngle, kPairCoefficient, kPairRatio, kPairYesNo };

struct PairQuantityText {
    const char* key;  // JSON
    TextId name;
    const char* symbol;
    PairKindOfValue kind;
    bool perGear;
};

// In the order of PairQuantity.
static const PairQuantityText kPairQuantities[kPairQuantityCount] = {
    {"reference_center_distance", kTextPairReferenceCentreDistance, "a0", kPairLength, false},
    {"center_distance", kTextPairCentreDistance, "a", kPairLength, false},
    {"working_pressure_angle", kTextPairWorkingPressureAngle, "alpha_w", kPairAngle, false},
    {"shift_sum", kTextPairShiftSum, "x1+x2", kPairCoefficient, false},
    {"center_distance_coefficient", kTextPairCentreDistanceCoef, "y", kPairCoefficient, false},
    {"tip_shortening_coefficient", kTextPairTipShortening, "k", kPairCoefficient, false},
    {"tight_mesh_shift_sum", kTextPairTightShiftSum, "x1+x2", kPairCoefficient, false},
    {"working_pitch_diameters", kTextPairWorkingPitchDiameter, "dw", kPairLength, true},
    {"tip_diameters", kTextPairTipDiameter, "da", kPairLength, true},
    {"root_diameters", kTextPairRootDiameter, "df", kPairLength, true},
    {"form_diameters", kTextPairFormDiameter, "dFf", kPairLength, true},
    {"active_profile_start_diameters", kTextPairActiveProfileStart, "dNf", kPairLength, true},
    {"root_clearances", kTextPairRootClearance, "c", kPairLength, true},
    {"backlash_normal", kTextPairBacklashNormal, "jn", kPairLength, false},
    {"backlash_circumferential", kTextPairBacklashCircumferential, "jt", kPairLength, false},
    {"contact_ratio", kTextPairContactRatio, "eps_a", kPairRatio, false},
    {"usable_contact_ratio", kTextPairUsableContactRatio, "eps_u", kPairRatio, false},
    {"interference", kTextPairInterference, "", kPairYesNo, false},
    {"smallest_gap", kTextPairSmallestGap, "", kPairLength, false},
};

void FormatPairQuantityLabel(PairQuantity quantity, Language language, char* text, size_t size) {
    const PairQuantityText& q = kPairQuantities[quantity];
    if (q.symbol[0] != '\0') {
        snprintf(text, size, "%s %s", Text(q.name, language), q.symbol);
    } else {
        snprintf(text, size, "%s", Text(q.name, language));
    }
}

const char* PairQuantityUnit(PairQuantity quantity) {
    switch (kPairQuantities[quantity].kind) {
        case kPairLength:
            return "mm";
        case kPairAngle:
            return "deg";
        default:
            break;
    }
    return "";
}

bool PairQuantityPerGear(PairQuantity quantity) {
    return kPairQuantities[quantity].perGear;
}

static double ValueOf(const GearPair& pair, PairQuantity quantity, int which) {
    const WorkingMesh& mesh = pair.data.mesh;
    const PairSide& side = PairSideOf(pair, which);
    switch (quantity) {
        case kPairQuantityReferenceCentreDistance:
            return mesh.referenceCentreDistance;
        case kPairQuantityCentreDistance:
            return mesh.centreDistance;
        case kPairQuantityWorkingPressureAngle:
            return mesh.alphaW * 180 / kPi;
        case kPairQuantityShiftSum:
            // The shift the working pressure angle follows: x2 - x1 in a ring.
            return IsInternalPair(pair)
                       ? pair.input.mateShiftCoef - pair.input.gear.profileShiftCoef
                       : pair.input.gear.profileShiftCoef + pair.input.mateShiftCoef;
        case kPairQuantityCentreDistanceCoef:
            return mesh.centreDistanceModCoef;
        case kPairQuantityTipShortening:
            return pair.data.tipShortening;
        case kPairQuantityTightShiftSum:
            return mesh.tightShift;
        case kPairQuantityWorkingPitchDiameter:
            return side.workingPitchDiameter;
        case kPairQuantityTipDiameter:
            return side.tipDiameter;
        case kPairQuantityRootDiameter:
            return side.rootDiameter;
        case kPairQuantityFormDiameter:
            return side.formDiameter;
        case kPairQuantityActiveProfileStart:
            return side.activeProfileStart;
        case kPairQuantityRootClearance:
            return side.rootClearance;
        case kPairQuantityBacklashNormal:
            return mesh.normalBacklash;
        case kPairQuantityBacklashCircumferential:
            return mesh.transverseBacklash;
        case kPairQuantityContactRatio:
            return pair.data.contactRatio;
        case kPairQuantityUsableContactRatio:
            return pair.data.usableContactRatio;
        case kPairQuantityInterference:
            return pair.check.interference ? 1 : 0;
        case kPairQuantitySmallestGap:
        case kPairQuantityCount:
            break;
    }
    return pair.check.smallestGap;
}

void FormatPairQuantity(const GearPair& pair, PairQuantity quantity, int which, Language language,
                        char* text, size_t size) {
    const double value = ValueOf(pair, quantity, which);
    switch (kPairQuantities[quantity].kind) {
        case kPairYesNo:
            snprintf(text, size, "%s", Text(value != 0 ? kTextYes : kTextNo, language));
            return;
        case kPairRatio:
            snprintf(text, size, "%.3f", value);
            return;
        default:
            break;
    }
    snprintf(text, size, "%.4f", value);
}

// The warnings with the numbers each names.
struct PairWarningText {
    PairWarning warning;
    TextId text;
};

static const PairWarningText kPairWarnings[] = {
    {kPairContactOffForm, kTextPairWarningContactOffForm},
    {kPairMateContactOffForm, kTextPairWarningMateContactOffForm},
    {kPairOutlinesOverlap, kTextPairWarningOverlap},
    {kPairLowContactRatio, kTextPairWarningLowContactRatio},
    {kPairSmallRootClearance, kTextPairWarningSmallRootClearance},
    {kPairMateSmallRootClearance, kTextPairWarningMateSmallRootClearance},
    {kPairThinTip, kTextPairWarningThinTip},
    {kPairMateThinTip, kTextPairWarningMateThinTip},
    {kPairInvoluteInterference, kTextPairWarningInvoluteInterference},
    {kPairTrochoidInterference, kTextPairWarningTrochoidInterference},
    {kPairTrimmingInterference, kTextPairWarningTrimmingInterference},
};

int PairWarningCount(const GearPair& pair) {
    return pair.data.warningCount;
}

// A warning about gear 1 of the formulas as the report names it: about the mate where the
// current gear is the ring.
static PairWarning AsReported(const GearPair& pair, PairWarning warning) {
    if (!pair.swapped) {
        return warning;
    }
    switch (warning) {
        case kPairContactOffForm:
            return kPairMateContactOffForm;
        case kPairMateContactOffForm:
            return kPairContactOffForm;
        case kPairSmallRootClearance:
            return kPairMateSmallRootClearance;
        case kPairMateSmallRootClearance:
            return kPairSmallRootClearance;
        case kPairThinTip:
            return kPairMateThinTip;
        case kPairMateThinTip:
            return kPairThinTip;
        default:
            break;
    }
    return warning;
}

void FormatPairWarning(const GearPair& pair, int i, Language language, char* text, size_t size) {
    const PairWarning warning = AsReported(pair, pair.data.warnings[i]);
    const PairData& d = pair.data;
    const PairSide& gearSide = PairSideOf(pair, 0);
    const PairSide& mateSide = PairSideOf(pair, 1);
    double a = 0;
    double b = 0;
    double c = 0;
    switch (warning) {
        case kPairContactOffForm:
        case kPairMateContactOffForm:
            a = d.usableContactRatio;
            break;
        case kPairOutlinesOverlap:
            a = -pair.check.smallestGap;
            b = pair.swapped ? pair.check.mateRadius : pair.check.gearRadius;
            c = pair.swapped ? pair.check.gearRadius : pair.check.mateRadius;
            break;
        case kPairLowContactRatio:
            a = d.contactRatio;
            break;
        case kPairSmallRootClearance:
            a = gearSide.rootClearance;
            break;
        case kPairMateSmallRootClearance:
            a = mateSide.rootClearance;
            break;
        case kPairThinTip:
            a = gearSide.tipThickness;
            break;
        case kPairMateThinTip:
            a = mateSide.tipThickness;
            break;
        default:
            break;
    }
    for (const PairWarningText& w : kPairWarnings) {
        if (w.warning == warning) {
            snprintf(text, size, Text(w.text, language), a, b, c);
            return;
        }
    }
    snprintf(text, size, "%s", "");
}

void FormatPairReport(const GearPair& pair, Language language, const char* lineEnd, char* text,
                      size_t size) {
    TextBuffer buffer = StartText(text, size);
    char label[256];
    char first[64];
    char second[64];
    char line[600];
    for (int i = 0; i < kPairQuantityCount; i++) {
        const PairQuantity quantity = static_cast<PairQuantity>(i);
        const PairQuantityText& q = kPairQuantities[i];
        FormatPairQuantity(pair, quantity, 0, language, first, sizeof first);
        char value[140];
        if (q.perGear) {
            FormatPairQuantity(pair, quantity, 1, language, second, sizeof second);
            snprintf(value, sizeof value, "%s / %s", first, second);
        } else {
            snprintf(value, sizeof value, "%s", first);
        }
        if (language == kKorean) {
            // As the gear's report: the label with its symbol, a tab, the value and unit.
            FormatPairQuantityLabel(quantity, language, label, sizeof label);
            snprintf(line, sizeof line, "%s\t%s %s", label, value, PairQuantityUnit(quantity));
        } else {
            snprintf(line, sizeof line, "%-29s %-7s %21s %s", Text(q.name, language), q.symbol,
                     value, PairQuantityUnit(quantity));
        }
        TrimTrailingBlanks(line);
        AppendText(&buffer, line);
        AppendText(&buffer, lineEnd);
    }
    for (int i = 0; i < PairWarningCount(pair); i++) {
        char warning[400];
        FormatPairWarning(pair, i, language, warning, sizeof warning);
        AppendText(&buffer, Text(kTextWarningPrefix, language));
        AppendText(&buffer, warning);
        AppendText(&buffer, lineEnd);
    }
}

void FormatPairReportJson(const GearPair& pair, char* text, size_t size) {
    TextBuffer buffer = StartText(text, size);
    AppendText(&buffer, "{\n");
    char line[600];
    char first[64];
    char second[64];
    for (int i = 0; i < kPairQuantityCount; i++) {
        const PairQuantity quantity = static_cast<PairQuantity>(i);
        const PairQuantityText& q = kPairQuantities[i];
        if (q.kind == kPairYesNo) {
            snprintf(line, sizeof line, "  \"%s\": %s,\n", q.key,
                     ValueOf(pair, quantity, 0) != 0 ? "true" : "false");
        } else if (q.perGear) {
            FormatJsonNumber(ValueOf(pair, quantity, 0), first, sizeof first);
            FormatJsonNumber(ValueOf(pair, quantity, 1), second, sizeof second);
            snprintf(line, sizeof line, "  \"%s\": [%s, %s],\n", q.key, first, second);
        } else {
            FormatJsonNumber(ValueOf(pair, quantity, 0), first, sizeof first);
            snprintf(line, sizeof line, "  \"%s\": %s,\n", q.key, first);
        }
        AppendText(&buffer, line);
    }
    // Whether the pair is internal, and its three interferences by the formulas.
    const InternalInterference& formulas = pair.data.interference;
    snprintf(line, sizeof line,
             "  \"internal\": %s,\n  \"involute_interference\": %s,\n"
             "  \"trochoid_interference\": %s,\n  \"trimming_interference\": %s,\n",
             IsInternalPair(pair) ? "true" : "false", formulas.involute ? "true" : "false",
             formulas.trochoid ? "true" : "false", formulas.trimming ? "true" : "false");
    AppendText(&buffer, line);
    // The warning texts hold no quote, backslash or control character: no escaping.
    AppendText(&buffer, "  \"warnings\": [");
    for (int i = 0; i < PairWarningCount(pair); i++) {
        char warning[400];
        FormatPairWarning(pair, i, kEnglish, warning, sizeof warning);
        AppendText(&buffer, i == 0 ? "\"" : ", \"");
        AppendText(&buffer, warning);
        AppendText(&buffer, "\"");
    }
    AppendText(&buffer, "]\n}\n");
}
