// One gear as the mesh check sees it: a plain value holding its cut flank, its circles and
// where it stands, so that any two gears (a ring among them) can be set in mesh without
// touching the program's records. No platform types.
//
// Does not: cut a ring (its outline comes from its shaper cutter, made elsewhere).
#pragma once

#include "gear/gear_outline.h"
#include "gear/gear_parameters.h"
#include "gear/gear_value.h"

struct MeshGear {
    // The left flank of the tooth standing on the +y axis, in the gear's own frame, from the
    // root circle to the tip circle: for a ring from its outer root inward to its tip.
    FlankPoints flank;
    int toothCount;
    double tipRadius;   // a ring's inner circle
    double rootRadius;  // a ring's outer circle
    ModelPoint centre;
    double turn;    // counter-clockwise from the drawn position, radians
    bool internal;  // a ring: its material lies outside the outline, up to an unbounded rim
};

// Gear p (accepted by CheckGearParameters) as the rack cuts it: the manufacturing flank of
// its generated profile, the undercut loop cut off, at the origin and unturned.
void RackCutMeshGear(const GearParameters& p, MeshGear* gear);

// A gear as computed (rack- or shaper-cut, a ring among them): its cut flank, its circles
// and where it stands.
void MeshGearOfGear(const Gear& gear, MeshGear* mesh);

// The direction, from the centre of one gear of a pair, in which it meets the other: toward
// the other centre for an external pair, away from the ring's centre for an internal one.
double MeshDirection(const MeshGear& gear, const MeshGear& other);

// Puts gear at the origin and mate at (a, 0), turned so that a tooth of gear stands centred
// in a space of the mate on the line of centres: for symmetric teeth the backlash is shared
// equally by both flanks.
void PlaceInMesh(MeshGear* gear, MeshGear* mate, double centreDistance);
