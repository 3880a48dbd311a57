// The gear as a CAD drawing file holds it: the manufacturing outline of every tooth about
// the origin, drawn as the outline choice says, and the reference circles. Shared by the
// DXF and the SVG writer. No platform types.
#pragma once

#include "gear/gear_value.h"
#include "gear/outline_choice.h"

struct CadDrawing {
    const Gear* gear;
    OutlineChoice outline;
};

// The radii of the reference circles, in drawing units.
struct ReferenceCircles {
    double pitch;
    double tip;
    double root;
    double base;
    double centreMark;  // half the length of each stroke of the centre cross
};

ReferenceCircles ReferenceCirclesOf(const GearGeometry& geometry);
