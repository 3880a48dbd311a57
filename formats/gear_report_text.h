// The gear data as text: the quantities with their labels, symbols and units, the
// warnings, and the refusals of a pin diameter or span tooth count, in either language
// (the tool speaks English). JSON for machines. No platform types.
//
// A ring's data (GearData::internal) has the same lines: its over-pins line names the
// dimension between pins instead, and its span and undercut lines say "not applicable". Its
// JSON has the same keys, null where a line does not apply (span_teeth, span, over_pins and
// the undercut's three), and between_pins after over_pins.
#pragma once

#include <cstddef>

#include "gear/gear_data.h"
#include "ui/catalogue.h"

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

// The label as the gear data dialog shows it: the quantity's name, with its symbol after it
// for most ("Reference diameter d").
void FormatGearQuantityLabel(GearQuantity quantity, Language language, char* text, size_t size);

// The symbol ("d", "dFf", "Wk"; "" where there is none) and the unit ("mm" or "").
const char* GearQuantitySymbol(GearQuantity quantity);
const char* GearQuantityUnit(GearQuantity quantity);

// Whether the quantity means something for this gear: not a ring's span or undercut.
bool GearQuantityApplies(const GearData& data, GearQuantity quantity);

// The label of the quantity for this gear: a ring's over-pins line names the dimension
// between pins.
void FormatGearDataLabel(const GearData& data, GearQuantity quantity, Language language, char* text,
                         size_t size);

// The value as shown: lengths and coefficients with four decimals, counts whole, the
// undercut as yes or no; "not applicable" where the quantity does not apply.
void FormatGearQuantity(const GearData& data, GearQuantity quantity, Language language, char* text,
                        size_t size);

const char* GearWarningText(GearWarning warning, Language language);

// Every quantity a line (name, symbol, value, unit), then a line for each warning; lines
// end with lineEnd. Always zero-terminated.
void FormatGearReport(const GearData& data, Language language, const char* lineEnd, char* text,
                      size_t size);

// One JSON object: numbers with 17 significant digits, the undercut as a boolean, the
// warnings (English) as a list of strings.
void FormatGearReportJson(const GearData& data, char* text, size_t size);

// Why a pin diameter or span tooth count is refused for gear p, with the allowed range;
// the box or option is called fieldName.
void FormatGearDataRefusal(GearDataRefusal refusal, const GearParameters& p, Language language,
                           const char* fieldName, char* text, size_t size);

// Why a pin diameter or span is refused for gear p as cut: a ring's pin with the largest
// pin, a ring's span not at all, an external gear's as FormatGearDataRefusal says.
void FormatCutGearDataRefusal(GearDataRefusal refusal, const GearParameters& p, bool ring,
                              Language language, const char* fieldName, char* text, size_t size);

// Why a pin diameter is refused for ring p (RingPinDiameterAccepted), with the largest pin.
void FormatRingPinRefusal(const GearParameters& p, Language language, const char* fieldName,
                          char* text, size_t size);
