// How finely the written outline can tell points apart: six decimals, turned teeth, and the
// ten-digit turn that places them. Shared by the checks of the parameters and of the
// outline. No platform types.
#pragma once

#include "gear/circle_constants.h"

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
const double kScriptTurnExcess = kToothTurn - kFullTurn;
