// How far arcs stray from the exact flank of a rack-cut gear: the exact fillet and involute
// sampled densely at roll angles (the fillet below the form circle of the gear data, the
// involute above it), each sample's distance to the nearest arc. Independent of the fit:
// only the profile's point formulas and the gear data are used.
#pragma once

#include "gear/fitted_arc.h"
#include "gear/gear_data.h"
#include "gear/tooth_rotation.h"

// The distance from p to the arc (its ends where p lies outside the arc's sector).
double DistanceToArc(const FittedArc& arc, ModelPoint p);

// The largest distance of the exact left flank of gear p, turned by r (mirrored first for
// the right flank), from arcs[0..count-1], which run along it in order either way.
double LargestFlankDeviation(const GearParameters& p, const GearData& data, const FittedArc* arcs,
                             int count, ToothRotation r, bool mirrored);
