// One gear as a value: its parameters and how it is cut, the geometry and profile computed
// from them, and where it stands (centre and turn). Every drawing, writer and check takes a gear;
// the program holds the current gear and, when set, its mate. No platform types.
#pragma once

#include "gear/gear_cut.h"
#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"

// Where a gear stands: its centre, and its turn counter-clockwise from the drawn position
// (tooth 0 on the +y axis), in radians.
struct GearPlacement {
    ModelPoint centre;
    double turn;
};

struct Gear {
    GearParameters parameters;
    GearCut cut;  // a ring's rim resolved to its diameter
    GearGeometry geometry;
    ToothProfile profile;
    GearPlacement placement;
};

// The gear of p cut as cut says (accepted by CheckGear), about the origin and unturned.
void ComputeGear(const GearParameters& p, const GearCut& cut, Gear* gear);

// The gear of p cut by the rack (accepted by CheckGearParameters).
void ComputeGear(const GearParameters& p, Gear* gear);

// Whether the gear is a ring.
bool IsRing(const Gear& gear);

// L: the last point of the profile, within the arrays.
int GearLastIndex(const Gear& gear);

// A placement that leaves every point where it is.
bool PlacementIsIdentity(const GearPlacement& placement);

// Point p of the gear's own frame carried to where the gear stands.
ModelPoint PlacedPoint(ModelPoint p, const GearPlacement& placement);
