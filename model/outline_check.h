// Whether the profile the core computed, and the outline the script draws from it, make a
// sound tooth: the closed-form rules cannot see a flank that spirals, runs past the tip or
// cuts through the tooth, nor arcs that a CAD program would draw the wrong way round.
// No platform types.
#pragma once

#include "model/parameter_check.h"
#include "model/tooth_profile.h"
#include "model/tooth_rotation.h"

// Two points farther apart than this (in drawing units, just above sqrt(2) * 1e-6) print
// differently at six decimals however the tooth is turned: one coordinate then differs by
// more than 1e-6. Closer points print alike for some turns.
const double kDistinctAtSixDecimals = 1.4142136e-6;

// Rounding of the turned coordinates, as a fraction of their distance from the centre;
// allowed for on top of kDistinctAtSixDecimals.
const double kRotationNoise = 1e-15;

// RotationOfTooth turns by k times a ten-digit 2 pi, this much longer than the true one:
// the last tooth stands that much closer to the first, and the gap between them is that
// much narrower than the others.
const double kScriptTurnExcess = kToothTurn - 6.283185307179586;

// Checks points 0..nF+nI of profile, computed for p (whose fields the closed-form rules
// have accepted), and the tip and gap arcs the script writes between them.
ParameterProblem CheckGeneratedOutline(const GearParameters& p, const GearGeometry& geometry,
                                       const ToothProfile& profile);

// The part of that check which holds for any flank, a ring's too: the tip and gap arcs of the
// walked outline sweep less than a pitch and its neighbouring points print apart.
ParameterProblem CheckWalkedOutline(const GearParameters& p, const GearGeometry& geometry,
                                    const ToothProfile& profile);
