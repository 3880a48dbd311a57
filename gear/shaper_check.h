// Whether a gear and the pinion-type shaper cutter that cuts it, an external gear or a ring,
// lie inside the domain where the generated profile, the drawings and the script are sound,
// and if not, which value is wrong and the limit it must respect. No platform types.
//
// Does not: write the refusal as text; check the rack-cut gear (CheckGearParameters does).
#pragma once

#include "gear/shaper_cutting.h"
#include "gear/parameter_check.h"

// The cutter's values and the ring's rim, beside the gear's fields.
enum ShaperField {
    kShaperFieldNone,
    kShaperFieldCutterTeeth,
    kShaperFieldCutterShift,
    kShaperFieldRimDiameter,
};

enum ShaperRule {
    kShaperAccepted,
    kShaperGearRule,                   // one of the gear's own rules, as for a rack-cut gear
    kShaperCutterTeethRange,           // z0: 1 .. kMaxToothCount
    kShaperCutterShiftMagnitude,       // x0: not a number, or beyond +-kMaxMagnitude
    kShaperRingTipInsideBaseCircle,    // limit: the largest addendum, inclusive
    kShaperRoundingInsideCutterBase,   // no rounding touches the cutter's involute; limit: the
                                       // least cutter shift, inclusive
    kShaperNoCuttingMesh,              // inv a_w0 <= 0; limit: the least cutter shift (a ring: the
                                       // largest), exclusive
    kShaperRoundingInsidePitchCircle,  // the rounding's centre not beyond the cutter's rolling
                                       // circle: the fillet would not start on the root circle;
                                       // limit: the least dedendum, exclusive
    kShaperRoundingTooWide,            // the cutter's two roundings overlap and neighbouring roots
                             // cross; limit: the largest tip radius coefficient, exclusive
    kShaperCutterPointed,  // even a sharp cutter tip is too narrow for that; limit: the
                           // largest dedendum, exclusive
    kShaperRingTrimmed,    // the cutter would trim the ring's tips as it is fed in; limit:
                           // the least ring tooth count (0: none up to kMaxToothCount)
    kShaperRimInsideRoot,  // limit: the root diameter, exclusive
    kShaperRimTooLarge,    // limit: kRimRootRatio root diameters, inclusive
};

// Exactly one of gearField and field names the value to change, where the rule names one.
// The largest rim, in root diameters: far past any ring a part holds, and it keeps every
// number a drawing of the ring prints a plain one.
const double kRimRootRatio = 1000.0;

struct ShaperProblem {
    ShaperRule rule;
    ParameterRule gearRule;  // for kShaperGearRule: which of the gear's rules refused
    GearField gearField;
    ShaperField field;
    double limit;
};

ShaperProblem CheckShaperCut(const GearParameters& p, const ShaperSetup& setup);
