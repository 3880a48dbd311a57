#include "formats/cad_drawing.h"

#include <cmath>

bool CadFlank(const CadDrawing& drawing, FlankPoints* flank) {
    if (drawing.lastIndex < 2 || drawing.lastIndex >= kProfileCapacity ||
        drawing.filletDivisions < 1 || drawing.filletDivisions >= drawing.lastIndex) {
        return false;
    }
    ManufacturingFlank(*drawing.profile, drawing.lastIndex, drawing.filletDivisions, flank);
    return true;
}

ReferenceCircles ReferenceCirclesOf(const GearGeometry& g) {
    ReferenceCircles circles;
    circles.pitch = g.pitchRadius;
    circles.tip = g.tipRadius;
    circles.root = g.rootRadius;
    circles.base = g.pitchRadius * cos(g.pressureAngleRad);
    // A quarter of the root radius: the cross stays inside the gear's body at any size.
    circles.centreMark = g.rootRadius / 4;
    return circles;
}
