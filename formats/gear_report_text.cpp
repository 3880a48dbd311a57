#include "formats/gear_report_text.h"

#include "formats/text_buffer.h"
#include "gear/ring_data.h"
#include "ui/parameter_message.h"

#include <cmath>
#include <cstdio>
#include <cstring>

enum QuantityKind { kLength, kCoefficient, kCount, kYesNo };

struct QuantityText {
    const char* key;  // JSON
    TextId name;
    const char* symbol;
    bool symbolInLabel;  // the dialog's label names the symbol after the quantity
    QuantityKind kind;
};

// In the order of GearQuantity.
static const QuantityText kQuantities[kQuantityCount] = {
    {"reference_diameter", kTextQuantityReferenceDiameter, "d", true, kLength},
    {"base_diameter", kTextQuantityBaseDiameter, "db", true, kLength},
    {"tip_diameter", kTextQuantityTipDiameter, "da", true, kLength},
    {"root_diameter", kTextQuantityRootDiameter, "df", true, kLength},
    {"form_diameter", kTextQuantityFormDiameter, "dFf", true, kLength},
    {"base_pitch", kTextQuantityBasePitch, "pb", true, kLength},
    {"tooth_thickness", kTextQuantityToothThickness, "s", true, kLength},
    {"tip_thickness", kTextQuantityTipThickness, "sa", true, kLength},
    {"chordal_thickness", kTextQuantityChordalThickness, "sc", false, kLength},
    {"chordal_height", kTextQuantityChordalHeight, "hc", false, kLength},
    {"span_teeth", kTextQuantitySpanTeeth, "k", true, kCount},
    {"span", kTextQuantitySpan, "Wk", true, kLength},
    {"pin_diameter", kTextQuantityPinDiameter, "dp", true, kLength},
    {"over_pins", kTextQuantityOverPins, "Md", true, kLength},
    {"undercut", kTextQuantityUndercut, "", false, kYesNo},
    {"min_shift_without_undercut", kTextQuantityMinShift, "xmin", true, kCoefficient},
    {"min_teeth_without_undercut", kTextQuantityMinTeeth, "zmin", true, kCount},
};

// The label with this name: the symbol after it for most quantities.
static void FormatLabel(TextId name, GearQuantity quantity, Language language, char* text,
                        size_t size) {
    const QuantityText& q = kQuantities[quantity];
    if (q.symbolInLabel) {
        snprintf(text, size, "%s %s", Text(name, language), q.symbol);
    } else {
        snprintf(text, size, "%s", Text(name, language));
    }
}

void FormatGearQuantityLabel(GearQuantity quantity, Language language, char* text, size_t size) {
    FormatLabel(kQuantities[quantity].name, quantity, language, text, size);
}

const char* GearQuantitySymbol(GearQuantity quantity) {
    return kQuantities[quantity].symbol;
}

const char* GearQuantityUnit(GearQuantity quantity) {
    return kQuantities[quantity].kind == kLength ? "mm" : "";
}

bool GearQuantityApplies(const GearData& data, GearQuantity quantity) {
    switch (quantity) {
        case kQuantitySpanTeeth:
        case kQuantitySpan:
            return data.spanApplies;
        case kQuantityUndercut:
        case kQuantityMinShift:
        case kQuantityMinTeeth:
            return !data.internal;
        default:
            break;
    }
    return true;
}

// The quantity's name for this gear.
static TextId NameOf(const GearData& data, GearQuantity quantity) {
    if (data.internal && quantity == kQuantityOverPins) {
        return kTextQuantityBetweenPins;
    }
    return kQuantities[quantity].name;
}

void FormatGearDataLabel(const GearData& data, GearQuantity quantity, Language language, char* text,
                         size_t size) {
    FormatLabel(NameOf(data, quantity), quantity, language, text, size);
}

static double ValueOf(const GearData& data, GearQuantity quantity) {
    switch (quantity) {
        case kQuantityReferenceDiameter:
            return data.referenceDiameter;
        case kQuantityBaseDiameter:
            return data.baseDiameter;
        case kQuantityTipDiameter:
            return data.tipDiameter;
        case kQuantityRootDiameter:
            return data.rootDiameter;
        case kQuantityFormDiameter:
            return data.formDiameter;
        case kQuantityBasePitch:
            return data.basePitch;
        case kQuantityToothThickness:
            return data.toothThickness;
        case kQuantityTipThickness:
            return data.tipThickness;
        case kQuantityChordalThickness:
            return data.chordalThickness;
        case kQuantityChordalHeight:
            return data.chordalHeight;
        case kQuantitySpanTeeth:
            return data.spanTeeth;
        case kQuantitySpan:
            return data.span;
        case kQuantityPinDiameter:
            return data.pinDiameter;
        case kQuantityOverPins:
            return data.internal ? data.betweenPins : data.overPins;
        case kQuantityUndercut:
            return data.undercut ? 1 : 0;
        case kQuantityMinShift:
            return data.minShiftWithoutUndercut;
        case kQuantityMinTeeth:
        case kQuantityCount:
            break;
    }
    return data.minTeethWithoutUndercut;
}

void FormatGearQuantity(const GearData& data, GearQuantity quantity, Language language, char* text,
                        size_t size) {
    if (!GearQuantityApplies(data, quantity)) {
        snprintf(text, size, "%s", Text(kTextNotApplicable, language));
        return;
    }
    const double value = ValueOf(data, quantity);
    switch (kQuantities[quantity].kind) {
        case kYesNo:
            snprintf(text, size, "%s", Text(data.undercut ? kTextYes : kTextNo, language));
            return;
        case kCount:
            snprintf(text, size, "%.0f", value);
            return;
        case kLength:
        case kCoefficient:
            break;
    }
    snprintf(text, size, "%.4f", value);
}

const char* GearWarningText(GearWarning warning, Language language) {
    switch (warning) {
        case kWarningUndercut:
            return Text(kTextWarningUndercut, language);
        case kWarningThinTip:
            return Text(kTextWarningThinTip, language);
        case kWarningSpanOffInvolute:
            return Text(kTextWarningSpanOffInvolute, language);
        case kWarningPinOffInvolute:
            return Text(kTextWarningPinOffInvolute, language);
        case kWarningPinBelowTip:
            return Text(kTextWarningPinBelowTip, language);
        case kWarningPinNotInsideTip:
            return Text(kTextWarningPinNotInsideTip, language);
        case kWarningTipCutByCutter:
            return Text(kTextWarningTipCutByCutter, language);
        case kWarningTooFewTeeth:
            break;
    }
    return Text(kTextWarningTooFewTeeth, language);
}

void FormatGearReport(const GearData& data, Language language, const char* lineEnd, char* text,
                      size_t size) {
    TextBuffer buffer = StartText(text, size);
    char label[400];
    char value[400];
    char line[900];
    for (int i = 0; i < kQuantityCount; i++) {
        const GearQuantity quantity = static_cast<GearQuantity>(i);
        FormatGearQuantity(data, quantity, language, value, sizeof value);
        // No unit after "not applicable".
        const char* unit = GearQuantityApplies(data, quantity) ? GearQuantityUnit(quantity) : "";
        if (language == kKorean) {
            // The label holds the symbol; a tab keeps label and value apart when pasted.
            FormatGearDataLabel(data, quantity, language, label, sizeof label);
            snprintf(line, sizeof line, "%s\t%s %s", label, value, unit);
        } else {
            snprintf(line, sizeof line, "%-29s %-4s %14s %s",
                     Text(NameOf(data, quantity), language), kQuantities[i].symbol, value, unit);
        }
        // No trailing blank where there is no unit.
        TrimTrailingBlanks(line);
        AppendText(&buffer, line);
        AppendText(&buffer, lineEnd);
    }
    for (int i = 0; i < data.warningCount; i++) {
        AppendText(&buffer, Text(kTextWarningPrefix, language));
        AppendText(&buffer, GearWarningText(data.warnings[i], language));
        AppendText(&buffer, lineEnd);
    }
}

void FormatGearReportJson(const GearData& data, char* text, size_t size) {
    TextBuffer buffer = StartText(text, size);
    char value[400];
    char line[600];
    AppendText(&buffer, "{\n");
    for (int i = 0; i < kQuantityCount; i++) {
        const GearQuantity quantity = static_cast<GearQuantity>(i);
        // A ring's between-pins dimension has a key of its own after over_pins.
        const bool betweenPins = data.internal && quantity == kQuantityOverPins;
        if (!GearQuantityApplies(data, quantity) || betweenPins) {
            snprintf(value, sizeof value, "null");
        } else if (kQuantities[i].kind == kYesNo) {
            snprintf(value, sizeof value, "%s", data.undercut ? "true" : "false");
        } else {
            FormatJsonNumber(ValueOf(data, quantity), value, sizeof value);
        }
        snprintf(line, sizeof line, "  \"%s\": %s,\n", kQuantities[i].key, value);
        AppendText(&buffer, line);
        if (betweenPins) {
            FormatJsonNumber(data.betweenPins, value, sizeof value);
            snprintf(line, sizeof line, "  \"between_pins\": %s,\n", value);
            AppendText(&buffer, line);
        }
    }
    // The warning texts hold no quote, backslash or control character: no escaping.
    AppendText(&buffer, "  \"warnings\": [");
    for (int i = 0; i < data.warningCount; i++) {
        AppendText(&buffer, i == 0 ? "\"" : ", \"");
        AppendText(&buffer, GearWarningText(data.warnings[i], kEnglish));
        AppendText(&buffer, "\"");
    }
    AppendText(&buffer, "]\n}\n");
}

void FormatGearDataRefusal(GearDataRefusal refusal, const GearParameters& p, Language language,
                           const char* fieldName, char* text, size_t size) {
    if (refusal == kPinDiameterRefused) {
        FormatFieldText(kTextRulePinDiameter, language, fieldName, LargestPinDiameter(p), 0, text,
                        size);
    } else if (p.toothCount < 2) {
        FormatFieldText(kTextRuleSpanNeedsTwoTeeth, language, fieldName, 0, 0, text, size);
    } else {
        FormatFieldText(kTextRuleWholeRange, language, fieldName, 1, p.toothCount - 1, text, size);
    }
}

void FormatRingPinRefusal(const GearParameters& p, Language language, const char* fieldName,
                          char* text, size_t size) {
    FormatFieldText(kTextRuleRingPinDiameter, language, fieldName, LargestRingPinDiameter(p), 0,
                    text, size);
}

void FormatCutGearDataRefusal(GearDataRefusal refusal, const GearParameters& p, bool ring,
                              Language language, const char* fieldName, char* text, size_t size) {
    if (!ring) {
        FormatGearDataRefusal(refusal, p, language, fieldName, text, size);
    } else if (refusal == kPinDiameterRefused) {
        FormatRingPinRefusal(p, language, fieldName, text, size);
    } else {
        FormatFieldText(kTextRuleRingHasNoSpan, language, fieldName, 0, 0, text, size);
    }
}
