// What a CAD drawing file holds: the manufacturing outline of every tooth of the gear,
// drawn as the outline choice says, its reference circles and, for a ring, its rim; for a
// pair, the same for the mate where it stands in mesh, and the line of action. Shared by
// the DXF and the SVG writer. No platform types.
#pragma once

#include "gear/gear_pair.h"
#include "gear/gear_value.h"
#include "gear/outline_choice.h"

struct CadDrawing {
    const Gear* gear;       // the gear alone, about the origin; null for a pair
    const GearPair* pair;   // the pair: its gear about the origin, its mate in mesh; or null
    OutlineChoice outline;  // for both gears of a pair: the same length on both
};

CadDrawing GearDrawing(const Gear& gear, const OutlineChoice& outline);
CadDrawing PairDrawing(const GearPair& pair, const OutlineChoice& outline);

// The gears a drawing holds (1 or 2), the current gear first.
int DrawnGearCount(const CadDrawing& drawing);
const Gear& DrawnGear(const CadDrawing& drawing, int which);

// The gear whose fit needs the coarser least tolerance: the one the tolerance is checked
// against.
const GearParameters& FitLimitingGear(const CadDrawing& drawing);

// The radii of the reference circles, in drawing units, about the gear's centre.
struct ReferenceCircles {
    double pitch;
    double tip;
    double root;
    double base;
    double centreMark;  // half the length of each stroke of the centre cross
    double rim;         // a ring's outer circle; 0 for an external gear
    double outermost;   // the largest of them: what bounds the gear
};

ReferenceCircles ReferenceCirclesOf(const Gear& gear);

// The box that holds every gear's outermost circle, each radius times scale.
struct DrawingBounds {
    double minX;
    double minY;
    double maxX;
    double maxY;
};

DrawingBounds DrawingBoundsOf(const CadDrawing& drawing, double scale);
