// The gear as a CAD drawing file holds it: the manufacturing outline of every tooth about
// the origin and the reference circles. Shared by the DXF and the SVG writer. No platform
// types.
#pragma once

#include "gear/gear_outline.h"
#include "gear/gear_value.h"

struct CadDrawing {
    const Gear* gear;
};

// The radii of the reference circles, in drawing units.
struct ReferenceCircles {
    double pitch;
    double tip;
    double root;
    double base;
    double centreMark;  // half the length of each stroke of the centre cross
};

// The flank the outline of gear is made of, cut where undercut makes a loop. False, with
// nothing stored, when its divisions do not describe a profile the arrays hold.
bool CadFlank(const Gear& gear, FlankPoints* flank);

ReferenceCircles ReferenceCirclesOf(const GearGeometry& geometry);
