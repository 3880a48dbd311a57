#include "formats/gear_report_text.h"

#include <cmath>
#include <cstdio>
#include <cstring>

enum QuantityKind { kLength, kCoefficient, kCount, kYesNo };

struct QuantityText {
    const char* key;  // JSON
    const char* english;
    const char* korean;
    const char* symbol;
    QuantityKind kind;
};

// In the order of GearQuantity.
static const QuantityText kQuantities[kQuantityCount] = {
    {"reference_diameter", "reference diameter", "기준원 지름 d", "d", kLength},
    {"base_diameter", "base diameter", "기초원 지름 db", "db", kLength},
    {"tip_diameter", "tip diameter", "이끝원 지름 da", "da", kLength},
    {"root_diameter", "root diameter", "이뿌리원 지름 df", "df", kLength},
    {"form_diameter", "involute start diameter", "인볼류트 시작원 지름 dFf", "dFf", kLength},
    {"base_pitch", "base pitch", "법선 피치 pb", "pb", kLength},
    {"tooth_thickness", "tooth thickness on d", "기준원 이두께 s", "s", kLength},
    {"tip_thickness", "tooth thickness on da", "이끝 이두께 sa", "sa", kLength},
    {"chordal_thickness", "chordal tooth thickness", "현 이두께", "sc", kLength},
    {"chordal_height", "chordal height", "현 이높이", "hc", kLength},
    {"span_teeth", "teeth spanned", "걸치기 잇수 k", "k", kCount},
    {"span", "base tangent length", "걸치기 이두께 Wk", "Wk", kLength},
    {"pin_diameter", "pin diameter", "핀 지름 dp", "dp", kLength},
    {"over_pins", "dimension over pins", "오버핀 치수 Md", "Md", kLength},
    {"undercut", "undercut", "언더컷", "", kYesNo},
    {"min_shift_without_undercut", "least shift without undercut", "언더컷 없는 최소 전위계수 xmin",
     "xmin", kCoefficient},
    {"min_teeth_without_undercut", "least teeth without undercut", "언더컷 없는 최소 잇수 zmin",
     "zmin", kCount},
};

const char* GearQuantityLabel(GearQuantity quantity, ReportLanguage language) {
    const QuantityText& q = kQuantities[quantity];
    return language == kReportKorean ? q.korean : q.english;
}

const char* GearQuantitySymbol(GearQuantity quantity) {
    return kQuantities[quantity].symbol;
}

const char* GearQuantityUnit(GearQuantity quantity) {
    return kQuantities[quantity].kind == kLength ? "mm" : "";
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
            return data.overPins;
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

void FormatGearQuantity(const GearData& data, GearQuantity quantity, ReportLanguage language,
                        char* text, size_t size) {
    const double value = ValueOf(data, quantity);
    switch (kQuantities[quantity].kind) {
        case kYesNo:
            if (language == kReportKorean) {
                snprintf(text, size, "%s", data.undercut ? "있음" : "없음");
            } else {
                snprintf(text, size, "%s", data.undercut ? "yes" : "no");
            }
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

const char* GearWarningText(GearWarning warning, ReportLanguage language) {
    const bool korean = language == kReportKorean;
    switch (warning) {
        case kWarningUndercut:
            return korean ? "언더컷: 공구 날끝이 이뿌리를 깎아 인볼류트가 dFf에서 시작합니다."
                          : "undercut: the cutter tip cuts into the root, the involute begins "
                            "at dFf";
        case kWarningThinTip:
            return korean ? "이끝이 얇습니다: 이끝 이두께가 0.25 m보다 작습니다."
                          : "thin tip: the tooth thickness on the tip circle is below 0.25 m";
        case kWarningSpanOffInvolute:
            return korean ? "걸치기 측정점이 인볼류트 밖에 있습니다: 다른 k를 고르십시오."
                          : "span: the caliper touches the flank outside the involute, choose "
                            "another k";
        case kWarningPinOffInvolute:
            return korean ? "핀의 접촉점이 인볼류트 밖에 있습니다: 다른 핀 지름을 고르십시오."
                          : "pins: the pin touches the flank outside the involute, choose "
                            "another pin diameter";
        case kWarningPinBelowTip:
            return korean ? "핀이 이끝원 밖으로 나오지 않습니다: 더 큰 핀을 쓰십시오."
                          : "pins: the pin does not stand above the tip circle, use a larger pin";
        case kWarningTooFewTeeth:
            break;
    }
    return korean ? "잇수가 2보다 작아 걸치기 치수와 오버핀 치수가 없습니다."
                  : "fewer than two teeth: no span and no dimension over pins";
}

// Appends piece to text at *used, never past size; text stays zero-terminated.
static void Append(char* text, size_t size, size_t* used, const char* piece) {
    const size_t length = strlen(piece);
    if (size == 0 || *used >= size - 1) {
        return;
    }
    const size_t room = size - 1 - *used;
    const size_t n = length < room ? length : room;
    memcpy(text + *used, piece, n);
    *used += n;
    text[*used] = '\0';
}

void FormatGearReport(const GearData& data, ReportLanguage language, const char* lineEnd,
                      char* text, size_t size) {
    size_t used = 0;
    if (size > 0) {
        text[0] = '\0';
    }
    char value[400];
    char line[600];
    for (int i = 0; i < kQuantityCount; i++) {
        const GearQuantity quantity = static_cast<GearQuantity>(i);
        FormatGearQuantity(data, quantity, language, value, sizeof value);
        if (language == kReportKorean) {
            // The label holds the symbol; a tab keeps label and value apart when pasted.
            snprintf(line, sizeof line, "%s\t%s %s", kQuantities[i].korean, value,
                     GearQuantityUnit(quantity));
        } else {
            snprintf(line, sizeof line, "%-29s %-4s %14s %s", kQuantities[i].english,
                     kQuantities[i].symbol, value, GearQuantityUnit(quantity));
        }
        // No trailing blank where there is no unit.
        size_t length = strlen(line);
        while (length > 0 && line[length - 1] == ' ') {
            line[--length] = '\0';
        }
        Append(text, size, &used, line);
        Append(text, size, &used, lineEnd);
    }
    for (int i = 0; i < data.warningCount; i++) {
        Append(text, size, &used, language == kReportKorean ? "경고: " : "warning: ");
        Append(text, size, &used, GearWarningText(data.warnings[i], language));
        Append(text, size, &used, lineEnd);
    }
}

// A JSON number with 17 significant digits: enough to read back the same double.
static void FormatJsonNumber(double value, char* text, size_t size) {
    if (std::isfinite(value)) {
        snprintf(text, size, "%.17g", value);
    } else {
        snprintf(text, size, "null");
    }
}

void FormatGearReportJson(const GearData& data, char* text, size_t size) {
    size_t used = 0;
    if (size > 0) {
        text[0] = '\0';
    }
    char value[400];
    char line[600];
    Append(text, size, &used, "{\n");
    for (int i = 0; i < kQuantityCount; i++) {
        const GearQuantity quantity = static_cast<GearQuantity>(i);
        if (kQuantities[i].kind == kYesNo) {
            snprintf(value, sizeof value, "%s", data.undercut ? "true" : "false");
        } else {
            FormatJsonNumber(ValueOf(data, quantity), value, sizeof value);
        }
        snprintf(line, sizeof line, "  \"%s\": %s,\n", kQuantities[i].key, value);
        Append(text, size, &used, line);
    }
    // The warning texts hold no quote, backslash or control character: no escaping.
    Append(text, size, &used, "  \"warnings\": [");
    for (int i = 0; i < data.warningCount; i++) {
        Append(text, size, &used, i == 0 ? "\"" : ", \"");
        Append(text, size, &used, GearWarningText(data.warnings[i], kReportEnglish));
        Append(text, size, &used, "\"");
    }
    Append(text, size, &used, "]\n}\n");
}

void FormatGearDataRefusal(GearDataRefusal refusal, const GearParameters& p,
                           ReportLanguage language, char* text, size_t size) {
    const bool korean = language == kReportKorean;
    if (refusal == kPinDiameterRefused) {
        const double largest = LargestPinDiameter(p);
        if (korean) {
            snprintf(text, size,
                     "핀 지름 dp의 값은 0보다 크고 이끝원 지름 %.4f 이하인 수여야 합니다.",
                     largest);
        } else {
            snprintf(text, size, "must be a number above 0 and at most the tip diameter %.4f",
                     largest);
        }
    } else if (p.toothCount < 2) {
        snprintf(text, size, "%s",
                 korean ? "잇수가 2보다 작아 걸치기 잇수 k를 정할 수 없습니다."
                        : "a gear of fewer than two teeth has no span measurement");
    } else if (korean) {
        snprintf(text, size, "걸치기 잇수 k의 값은 1 이상 %d 이하의 정수여야 합니다.",
                 p.toothCount - 1);
    } else {
        snprintf(text, size, "must be a whole number from 1 to %d", p.toothCount - 1);
    }
}
