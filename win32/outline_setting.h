// The program's choice of outline for the DXF and SVG files, remembered next to the
// language under HKEY_CURRENT_USER\Software\Odontra: "Outline" (fitted or divided) and
// "OutlineTolerance" (a length in drawing units as typed, or empty). A tolerance the
// designer typed is kept as that length whatever gear follows: it is what the cutting
// machine or the inspection holds. Left empty it follows the gear: 1e-4 of its module.
// A missing or damaged value reads as the default.
#pragma once

#include "gear/outline_choice.h"

struct OutlineSetting {
    OutlineStyle style;
    bool toleranceTyped;
    double tolerance;  // when typed
};

// The setting, read from the registry the first time.
OutlineSetting CurrentOutlineSetting();

// Uses setting from now on and remembers it.
void ChooseOutlineSetting(const OutlineSetting& setting);

// What the setting means for gear p: the typed tolerance, else the default for p.
OutlineChoice OutlineChoiceFor(const OutlineSetting& setting, const GearParameters& p);
