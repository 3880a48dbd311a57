// The flank the DXF and SVG outline is made of, as arcs for WalkArcOutline: fitted to the
// exact fillet and involute, or the chords between the division points as arcs of no bulge.
// No platform types.
#pragma once

#include "gear/fitted_flank.h"
#include "gear/gear_outline.h"
#include "gear/outline_choice.h"

// The chords of points, root to tip, where a point closer than tolerance to the point kept
// before it is merged into it (as the trim point of an undercut flank can lie a few
// micrometres from a division point): no chord is shorter than the tolerance. The root and
// the tip stay; a point too close to the tip gives way to it.
void DividedFlankArcs(const FlankPoints& points, double tolerance, FittedFlank* flank);

// The flank of gear as choice draws it; divided is the manufacturing flank of the profile
// points. False, with no arcs, when the fit cannot reach the tolerance or the divisions do
// not describe a profile the arrays hold.
bool OutlineFlankOf(const Gear& gear, const OutlineChoice& choice, FittedFlank* flank);
