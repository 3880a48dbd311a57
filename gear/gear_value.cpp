#include "gear/gear_value.h"

#include <cmath>

void ComputeGear(const GearParameters& p, Gear* gear) {
    gear->parameters = p;
    ComputeProfileOf(p, &gear->geometry, &gear->profile);
    gear->geometry.drawnToothCount = p.toothCount;
    gear->placement = {{0, 0}, 0};
}

int GearLastIndex(const Gear& gear) {
    return ProfileLastIndex(gear.parameters.filletDivisions + gear.parameters.involuteDivisions);
}

bool PlacementIsIdentity(const GearPlacement& placement) {
    return placement.turn == 0 && placement.centre.x == 0 && placement.centre.y == 0;
}

ModelPoint PlacedPoint(ModelPoint p, const GearPlacement& placement) {
    // Left alone at the origin unturned: adding a zero would turn -0 into 0 and change
    // what a file prints.
    if (PlacementIsIdentity(placement)) {
        return p;
    }
    const double c = cos(placement.turn);
    const double s = sin(placement.turn);
    return {placement.centre.x + c * p.x - s * p.y, placement.centre.y + s * p.x + c * p.y};
}
