#include "gear/mesh_gear.h"

#include <cmath>

#include "gear/tooth_profile.h"

void RackCutMeshGear(const GearParameters& p, MeshGear* gear) {
    GearGeometry geometry;
    ToothProfile profile;
    ComputeProfileOf(p, &geometry, &profile);
    ManufacturingFlank(profile, p.filletDivisions + p.involuteDivisions, p.filletDivisions,
                       &gear->flank);
    gear->toothCount = p.toothCount;
    gear->tipRadius = geometry.tipRadius;
    gear->rootRadius = geometry.rootRadius;
    gear->centre = {0, 0};
    gear->turn = 0;
    gear->internal = false;
}

void MeshGearOfGear(const Gear& gear, MeshGear* mesh) {
    ManufacturingFlank(gear.profile, GearLastIndex(gear), gear.parameters.filletDivisions,
                       &mesh->flank);
    mesh->toothCount = gear.parameters.toothCount;
    mesh->tipRadius = gear.geometry.tipRadius;
    mesh->rootRadius = gear.geometry.rootRadius;
    mesh->centre = gear.placement.centre;
    mesh->turn = gear.placement.turn;
    mesh->internal = IsRing(gear);
}

double MeshDirection(const MeshGear& gear, const MeshGear& other) {
    const double toward = atan2(other.centre.y - gear.centre.y, other.centre.x - gear.centre.x);
    // A pinion meets its ring on the side away from the ring's centre; the ring meets it
    // there too, which from the ring's centre is toward the pinion's.
    return other.internal ? toward + kFullTurn / 2 : toward;
}

void PlaceInMesh(MeshGear* gear, MeshGear* mate, double centreDistance) {
    gear->centre = {0, 0};
    mate->centre = {centreDistance, 0};
    // Tooth 0 stands on +y, a quarter turn counter-clockwise of the x axis; a space is half a
    // pitch beside it.
    const double quarter = kFullTurn / 4;
    gear->turn = MeshDirection(*gear, *mate) - quarter;
    mate->turn = MeshDirection(*mate, *gear) - quarter + kFullTurn / 2 / mate->toothCount;
}
