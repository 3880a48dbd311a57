#include "gear/gear_value.h"

#include <cmath>

#include "gear/shaper_profile.h"

void ComputeGear(const GearParameters& p, const GearCut& cut, Gear* gear) {
    gear->parameters = p;
    gear->cut = cut;
    if (cut.cutter == kRackCutter && !cut.internal) {
        ComputeProfileOf(p, &gear->geometry, &gear->profile);
    } else {
        const ShaperSetup setup = ShaperSetupOf(p, cut);
        gear->cut.rimDiameter = setup.rimDiameter;
        ComputeShaperProfileOf(p, setup, &gear->geometry, &gear->profile);
    }
    gear->geometry.drawnToothCount = p.toothCount;
    gear->placement = {{0, 0}, 0};
}

void ComputeGear(const GearParameters& p, Gear* gear) {
    ComputeGear(p, RackCut(), gear);
}

bool IsRing(const Gear& gear) {
    return gear.cut.internal;
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
