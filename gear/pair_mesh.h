// The mesh check of an external pair as its one cutter cuts both gears: builds both outlines
// (tips shortened as the pair data say), sets them in mesh at the pair's centre distance and
// rolls them. No platform types.
//
// Does not: cut a ring; for an internal pair the caller builds the ring's MeshGear from its
// shaper cutter, sets it in mesh with PlaceInMesh and calls CheckMesh itself.
#pragma once

#include "gear/mesh_check.h"
#include "gear/pair_data.h"

// Checks the accepted external pair of input and data (from ComputePairData) and adds
// kPairOutlinesOverlap to data on interference. False, with nothing checked, for a refused
// or an internal pair.
bool CheckPairMesh(const PairInput& input, PairData* data, MeshCheck* check);

// Adds kPairOutlinesOverlap to data when check found interference.
void AddMeshCheckWarning(const MeshCheck& check, PairData* data);
