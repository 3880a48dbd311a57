// Where the cut outlines of a pair overlap as the pair now stands: the points of each gear's
// flanks near the mesh that lie inside the other gear's material deeper than a given depth,
// for the view that marks them. No platform types.
#pragma once

#include "gear/gear_pair.h"

// Up to capacity such points, in the plane of the pair; how many were found.
int OverlapPoints(const GearPair& pair, double depth, ModelPoint* points, int capacity);
