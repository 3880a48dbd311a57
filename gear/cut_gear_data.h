// The gear data of a gear as its cutter cuts it: a ring's from its shaper (between pins, no
// span); an external gear's as for the rack, with the root and form circles and the undercut
// a shaper leaves where a shaper cuts it. No platform types.
#pragma once

#include "gear/gear_cut.h"
#include "gear/gear_data.h"

// A pin or span the designer gave, for the gear as cut.
bool CutPinDiameterAccepted(const GearParameters& p, const GearCut& cut, double pinDiameter);
bool CutSpanTeethAccepted(const GearParameters& p, const GearCut& cut, int spanTeeth);

// Computes the data of p cut as cut says (accepted by CheckGear) for accepted inputs (0:
// choose, as ComputeGearData does).
void ComputeCutGearData(const GearParameters& p, const GearCut& cut, double pinDiameter,
                        int spanTeeth, GearData* data);
