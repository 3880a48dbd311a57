// The nine gear fields described once: the member of GearParameters, whole or real, the
// range (from the named limits), the label in each language, the tool's option, the data
// dialog's controls and how the dialog shows the value. The dialog, the tool's options,
// defaults and help, and the refusal messages all read this table. No platform types.
#pragma once

#include "gear/gear_parameters.h"
#include "gear/gear_problem.h"
#include "ui/catalogue.h"

enum FieldKind { kWholeField, kRealField };

// Where a range's ends lie: included, or only approached.
enum RangeEnd { kEndIncluded, kEndExcluded };

struct GearFieldRow {
    GearField field;
    FieldKind kind;
    int GearParameters::*whole;    // the member of a whole field, else null
    double GearParameters::*real;  // the member of a real field, else null
    double lowest;
    RangeEnd lowestEnd;
    double highest;
    RangeEnd highestEnd;
    TextId label;
    const char* unit;    // after the label in the tool's help, "" where it goes without saying
    const char* option;  // the tool's option
    const char* alias;   // an older name of the option the tool still takes, or null
    int labelControl;    // the data dialog's label and edit box
    int editControl;
    const char* format;  // how the dialog shows the value
};

const int kGearFieldCount = 9;

// In the order the data dialog fills and reads its boxes.
extern const GearFieldRow kGearFields[kGearFieldCount];

// The shaper cutter's teeth and shift and a ring's rim: their labels, options and ranges
// (their values live in GearCut, set in the Gear Type and Cutter dialog).
const int kCutFieldCount = 3;
extern const GearFieldRow kCutFields[kCutFieldCount];

// The entry of field, a gear field or a cut field (kFieldNone: the first gear field).
const GearFieldRow& GearFieldRowOf(GearField field);

// The field's value in p, as a double.
double GearFieldValue(const GearFieldRow& row, const GearParameters& p);

// Stores value into the field of p (a whole field takes it as it is, already whole).
void SetGearFieldValue(const GearFieldRow& row, double value, GearParameters* p);
