// The running mesh measured on the cut outlines: one gear rolls through a pitch with its mate
// following, and at every position the outlines of the teeth near the mesh are compared,
// flanks as generated (fillet and undercut included, the undercut loop cut off) and tip and
// gap arcs as true arcs. Finds whether the materials overlap, how deep and where, and the
// smallest gap between them. Works on plain gear values, a ring among them. No platform
// types.
//
// Does not: compute the pair's formulas (pair_data.h), place the gears (PlaceInMesh does).
#pragma once

#include "gear/mesh_gear.h"

// Fewer positions than this could step over a touch between tooth corners.
const int kLeastMeshPositions = 200;

struct MeshCheck {
    int positions;
    // How far the outlines may lie from the curves they stand for: both flanks' chord errors,
    // and what a chord may hide of its nearest approach to a convex arc of the other gear.
    // A shallower overlap is not interference.
    double tolerance;
    double smallestGap;  // the least distance between the outlines; negative: deepest overlap
    double roll;         // the gear's turn from where it stood when that occurs, radians
    double gearRadius;   // radius on the gear of the point of the pair that gives it
    double mateRadius;   // radius on the mate
    bool interference;   // an overlap deeper than the tolerance
};

// Rolls gear counter-clockwise through one of its pitches from where it stands, in positions
// equal steps (at least kLeastMeshPositions), the mate following by the tooth ratio in the
// opposite sense (the same sense when either is a ring).
void CheckMesh(const MeshGear& gear, const MeshGear& mate, int positions, MeshCheck* check);
