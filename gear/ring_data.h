// The gear data of a ring (an internal gear) cut by a pinion-type shaper cutter, in the
// record an external gear's data fill: its circles, the thicknesses of its tooth between two
// spaces, the chordal measurement of that tooth and the dimension between two pins (or
// balls). No platform types.
//
// Where a ring differs from an external gear:
// - its tip circle da = m (z - 2 ha + 2 x) is the inner one; the cutter's tip circle sweeps
//   its root circle; its involute runs outward from the tip to dFf, where the cutter's
//   rounding takes over (ShaperFormDiameter).
// - the chordal height runs from the chord across the tooth's two tip corners, where a
//   caliper's tongue rests on the hollow crown, out to the chord on the reference circle.
// - a caliper cannot span its teeth from outside: no span measurement (spanApplies false).
// - the pins stand in two spaces and the dimension is measured between them, across the
//   centre (betweenPins); overPins stays 0.
// - the cutter's rounding never undercuts it (no undercut, no least shift or tooth count).
//   What spoils its involute instead is the cutter's own flank: where its tip circle lies
//   inside the circle through the cutter's interference point, the cutter's flank below its
//   base circle shapes the tip, the involute ends on that circle, and kWarningTipCutByCutter
//   says so.
//
// Does not: check the ring and cutter (CheckShaperCut must have accepted them), write text.
#pragma once

#include "gear/gear_data.h"
#include "gear/shaper_cutting.h"

// The largest pin for a space of ring p: the one whose centre reaches the base circle. The
// centre lies on the normals at its contacts, between each contact and the point where that
// normal touches the base circle; a larger pin would need it past that point.
double LargestRingPinDiameter(const GearParameters& p);

// A pin diameter the user gave for ring p: above 0 and at most the largest.
bool RingPinDiameterAccepted(const GearParameters& p, double pinDiameter);

// Computes the data of ring p cut as setup says (setup.ring, accepted by CheckShaperCut).
// pinDiameter 0: the pin that touches the flank on the reference circle, rounded to
// 0.001 m; else a pin RingPinDiameterAccepted accepts.
void ComputeRingData(const GearParameters& p, const ShaperSetup& setup, double pinDiameter,
                     GearData* data);
