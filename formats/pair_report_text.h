// The data of a gear pair as text: the quantities of the pair, each with its name, symbol,
// one value or one for each gear, and unit; the warnings with their numbers; JSON for
// machines. In either language (the tool speaks English). No platform types.
#pragma once

#include <cstddef>

#include "gear/gear_pair.h"
#include "ui/catalogue.h"

// The report's lines, in order.
enum PairQuantity {
    kPairQuantityReferenceCentreDistance,
    kPairQuantityCentreDistance,
    kPairQuantityWorkingPressureAngle,
    kPairQuantityShiftSum,
    kPairQuantityCentreDistanceCoef,
    kPairQuantityTipShortening,
    kPairQuantityTightShiftSum,
    kPairQuantityWorkingPitchDiameter,
    kPairQuantityTipDiameter,
    kPairQuantityRootDiameter,
    kPairQuantityFormDiameter,
    kPairQuantityActiveProfileStart,
    kPairQuantityRootClearance,
    kPairQuantityBacklashNormal,
    kPairQuantityBacklashCircumferential,
    kPairQuantityContactRatio,
    kPairQuantityUsableContactRatio,
    kPairQuantityInterference,
    kPairQuantitySmallestGap,
    kPairQuantityCount,
};

// The name with the symbol after it ("Centre distance a").
void FormatPairQuantityLabel(PairQuantity quantity, Language language, char* text, size_t size);

const char* PairQuantityUnit(PairQuantity quantity);

// Whether the quantity has a value for each gear (the gear's first).
bool PairQuantityPerGear(PairQuantity quantity);

// The value of the gear (which 0) or the mate (1), as shown: four decimals, three for the
// contact ratios, yes or no for the interference.
void FormatPairQuantity(const GearPair& pair, PairQuantity quantity, int which, Language language,
                        char* text, size_t size);

// How many warnings the pair has, and the text of the i-th with its numbers.
int PairWarningCount(const GearPair& pair);
void FormatPairWarning(const GearPair& pair, int i, Language language, char* text, size_t size);

// Every quantity a line (name, symbol, values, unit), then a line for each warning.
void FormatPairReport(const GearPair& pair, Language language, const char* lineEnd, char* text,
                      size_t size);

// One JSON object: per-gear values as two-element lists (the gear first), numbers with 17
// significant digits, the warnings in English.
void FormatPairReportJson(const GearPair& pair, char* text, size_t size);
