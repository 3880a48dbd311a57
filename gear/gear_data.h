// The numbers a designer needs to make and inspect the gear: diameters, tooth thicknesses,
// the span (base tangent length) and over-pins measurements, undercut, and the warnings a
// designer expects. Computed from the gear parameters with the same constants as the
// generated profile, so that both describe the same tooth. No platform types.
//
// Does not: read or write text (formats/gear_report_text does), check the gear parameters
// (CheckGearParameters must have accepted them), compute a ring's data (ring_data does, into
// the same record).
#pragma once

#include "gear/gear_parameters.h"

enum GearWarning {
    kWarningUndercut,         // the tooth is undercut: the involute begins above the base circle
    kWarningThinTip,          // tip thickness below kThinTipCoef * m
    kWarningSpanOffInvolute,  // the span measurement touches the flank outside the involute
    kWarningPinOffInvolute,   // the pin touches the flank outside the involute
    kWarningPinBelowTip,      // the pin does not stand above the tip circle
    kWarningTooFewTeeth,      // fewer than two teeth: no span and no over-pins measurement
    kWarningPinNotInsideTip,  // a ring: the pin does not stand inside the tip circle
    kWarningTipCutByCutter,   // a ring: the cutter's involute does not reach its tip circle
};

const int kMaxGearWarnings = 8;

// A tip thinner than this many modules is brittle and hardens through.
const double kThinTipCoef = 0.25;

// All lengths in drawing units (multiples of the module's unit).
struct GearData {
    double referenceDiameter;  // d = z m
    double baseDiameter;       // db = d cos(alpha)
    double tipDiameter;        // da
    double rootDiameter;       // df
    double formDiameter;       // dFf: where the generated involute begins
    double basePitch;          // pb = pi m cos(alpha)
    double toothThickness;     // s, arc on the reference circle
    double tipThickness;       // sa, arc on the tip circle
    double chordalThickness;   // chord of s
    double chordalHeight;      // from the tip circle to that chord
    int spanTeeth;             // k, 0 when the gear has fewer than two teeth
    double span;               // Wk, base tangent length over k teeth
    double spanContactDiameter;
    double pinDiameter;  // dp, 0 when no pin fits
    double overPins;     // Md, dimension over two pins (or balls)
    double pinContactDiameter;
    bool undercut;
    double minShiftWithoutUndercut;  // x_min
    double minTeethWithoutUndercut;  // a whole number, at least 1
    int warningCount;
    GearWarning warnings[kMaxGearWarnings];
    // A ring (internal gear) fills the same record: its tip circle is the inner one, its
    // tooth thicknesses are those of its tooth between two spaces, and it has no span, no
    // over-pins dimension and no undercut (those fields stay 0).
    bool internal;
    bool spanApplies;    // a caliper can span the teeth: not a ring's
    double betweenPins;  // a ring: the dimension between two pins (or balls), across the centre
};

// What the user gives besides the gear: a pin diameter and a span tooth count.
enum GearDataRefusal {
    kGearDataAccepted,
    kPinDiameterRefused,  // not a number, 0 or less, or above the tip diameter
    kSpanTeethRefused,    // outside 1 .. z - 1
};

// A pin diameter the user gave, on gear p (accepted by CheckGearParameters): above 0 and at
// most the largest pin.
bool PinDiameterAccepted(const GearParameters& p, double pinDiameter);

// A span tooth count the user gave: 1 to z - 1.
bool SpanTeethAccepted(const GearParameters& p, int spanTeeth);

// The largest pin diameter accepted for p: its tip diameter.
double LargestPinDiameter(const GearParameters& p);

// Computes the data of gear p (accepted by CheckGearParameters) for inputs accepted by
// CheckGearDataInputs. pinDiameter 0: the pin that touches the flank on the reference
// circle, rounded to 0.001 m. spanTeeth 0: the k whose contact lies nearest the middle of
// the involute.
void ComputeGearData(const GearParameters& p, double pinDiameter, int spanTeeth, GearData* data);

// Whether data holds warning.
bool HasGearWarning(const GearData& data, GearWarning warning);

// Adds warning to data, once.
void AddGearWarning(GearData* data, GearWarning warning);

// The pressure angle (radians, 0 to pi/2) whose involute function tan(a) - a equals
// value; 0 for a value of 0 or less. Full double precision.
double InverseInvolute(double value);
