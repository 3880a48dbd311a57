// A refused mate or pair put into words, in either language: the mate's fields named as
// the Mating Gear dialog or the tool names them, a shared field by its own label, and the
// centre distance with the limit it must respect. No platform types.
#pragma once

#include <cstddef>

#include "gear/gear_pair.h"
#include "ui/catalogue.h"

// The box (or option) a refusal is about.
enum MateField {
    kMateFieldToothCount,
    kMateFieldShift,
    kMateFieldCentreDistance,
    kMateFieldKind,    // whether the mate is a ring
    kMateFieldShared,  // a field of the gear's cutter, set in the gear data dialog
};

// What the mate's fields are called: the dialog's labels or the tool's options.
struct MateFieldNames {
    const char* toothCount;
    const char* shift;
    const char* centreDistance;
    const char* kind;
};

MateField MateFieldOf(const PairProblem& problem, const MateChoice& choice);

// The name of the field at fault: the mate's from names, a shared one's own label (or the
// tool's option when sharedByOption is set).
void MateFieldName(const PairProblem& problem, const MateChoice& choice,
                   const MateFieldNames& names, Language language, bool sharedByOption, char* text,
                   size_t size);

// The sentence of the refusal naming fieldName.
void FormatPairSentence(const PairProblem& problem, const GearParameters& gear,
                        const MateChoice& choice, Language language, const char* fieldName,
                        char* text, size_t size);
