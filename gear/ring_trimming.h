// Whether a pinion-type shaper cutter can be fed into a ring without trimming the tips of
// its teeth, and the fewest ring teeth a cutter can cut. No platform types.
//
// The cutter reaches its cutting depth by a radial feed: without turning, each corner of
// its tooth tips moves parallel to the line of centres, and a corner that passes on the
// wrong side of a corner of the ring's tooth tips cuts it off. With X the common distance
// of two corners from the line of centres, a corner on the cutter's tip circle r_a0 belongs
// to the tooth z0 (asin(X / r_a0) + inv a_a0 - inv a_w0) / 2pi pitches from the line of
// centres, one on the ring's tip circle r_a to the ring tooth z (asin(X / r_a) + inv a_a -
// inv a_w0) / 2pi pitches away (each counted from the tooth that stands in mesh there).
// The cutter's count must not fall behind the ring's at any X; their difference is least
// where z0 / sqrt(r_a0^2 - X^2) = z / sqrt(r_a^2 - X^2). This is the radial trimming rule
// of the internal gear tables (SDP/SI, KHK).
//
// Does not: look at the cutting motion itself, where the cutter's flank below its base
// circle may shape a ring's tips (ShaperCutting::tipBeyondCutterInterference says when).
#pragma once

#include "gear/shaper_cutting.h"

// Whether the cutter of setup cuts ring p without trimming: the ring has more teeth than the
// cutter, a cutting mesh, its tip circle outside its base circle (where the rule is
// defined) and wider than the cutter's tip circle, and the corners stay clear.
bool RingCutWithoutTrimming(const GearParameters& p, const ShaperSetup& setup);

// The fewest teeth, more than p has, of a ring otherwise like p that the cutter of setup
// cuts without trimming; 0 when no count up to kMaxToothCount does. Rings of ordinary
// proportions that pass keep passing with more teeth; a negative addendum can make a band
// of counts pass and the counts above it fail.
int LeastRingTeeth(const GearParameters& p, const ShaperSetup& setup);
