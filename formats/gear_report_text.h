// The gear data as text: the quantities with their labels, symbols and units, the
// warnings, and the refusals of a pin diameter or span tooth count. English for the
// involute tool; Korean, as the gear data dialog shows it and copies it, in the build's
// execution character set (code page 949 in the Windows program). JSON for machines.
// No platform types.
#pragma once

#include <cstddef>

#include "gear/gear_data.h"

enum ReportLanguage { kReportEnglish, kReportKorean };

// The report's lines, in order.
enum GearQuantity {
    kQuantityReferenceDiameter,
    kQuantityBaseDiameter,
    kQuantityTipDiameter,
    kQuantityRootDiameter,
    kQuantityFormDiameter,
    kQuantityBasePitch,
    kQuantityToothThickness,
    kQuantityTipThickness,
    kQuantityChordalThickness,
    kQuantityChordalHeight,
    kQuantitySpanTeeth,
    kQuantitySpan,
    kQuantityPinDiameter,
    kQuantityOverPins,
    kQuantityUndercut,
    kQuantityMinShift,
    kQuantityMinTeeth,
    kQuantityCount,
};

// The label: Korean "기준원 지름 d", English "reference diameter".
const char* GearQuantityLabel(GearQuantity quantity, ReportLanguage language);

// The symbol ("d", "dFf", "Wk"; "" where there is none) and the unit ("mm" or "").
const char* GearQuantitySymbol(GearQuantity quantity);
const char* GearQuantityUnit(GearQuantity quantity);

// The value as shown: lengths and coefficients with four decimals, counts whole, the
// undercut as yes or no.
void FormatGearQuantity(const GearData& data, GearQuantity quantity, ReportLanguage language,
                        char* text, size_t size);

const char* GearWarningText(GearWarning warning, ReportLanguage language);

// Every quantity a line (name, symbol, value, unit), then a line for each warning; lines
// end with lineEnd. Always zero-terminated.
void FormatGearReport(const GearData& data, ReportLanguage language, const char* lineEnd,
                      char* text, size_t size);

// One JSON object: numbers with 17 significant digits, the undercut as a boolean, the
// warnings (English) as a list of strings.
void FormatGearReportJson(const GearData& data, char* text, size_t size);

// Why a pin diameter or span tooth count is refused for gear p, with the allowed range.
void FormatGearDataRefusal(GearDataRefusal refusal, const GearParameters& p,
                           ReportLanguage language, char* text, size_t size);
