// The gear as a CAD drawing file holds it: the manufacturing outline of every tooth about
// the origin and the reference circles. Shared by the DXF and the SVG writer. No platform
// types.
#pragma once

#include "gear/gear_outline.h"
#include "gear/tooth_profile.h"

struct CadDrawing {
    const GearGeometry* geometry;
    const ToothProfile* profile;
    int lastIndex;        // L: points 0..L of the profile
    int filletDivisions;  // nF: points 0..nF are the fillet
    int toothCount;       // N
};

// The radii of the reference circles, in drawing units.
struct ReferenceCircles {
    double pitch;
    double tip;
    double root;
    double base;
    double centreMark;  // half the length of each stroke of the centre cross
};

// The flank the outline is made of, cut where undercut makes a loop. False, with nothing
// stored, when L and nF do not describe a profile the arrays hold.
bool CadFlank(const CadDrawing& drawing, FlankPoints* flank);

ReferenceCircles ReferenceCirclesOf(const GearGeometry& geometry);
