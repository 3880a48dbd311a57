// The gear outline drawn onto a device context: one polyline per flank, the tips and gaps
// crossed by straight lines.
#pragma once

#include <windows.h>

#include "gear/gear_outline.h"

struct OutlinePens {
    HPEN firstTooth;  // the tooth that stands on the +y axis
    HPEN otherTeeth;  // the other teeth, the lines between them and the closing line
    bool closed;      // a closing line from the last tooth back to the first
};

// Moves to the first tooth's root point and draws every tooth clockwise from there, the gear
// standing where placement puts it.
void TraceGearOutline(HDC dc, const FlankPoints& flank, int toothCount,
                      const GearPlacement& placement, OutlinePens pens);
