// The circle constants of the gear model. No platform types.
//
// Two values of pi: the ten-digit one that generates the profile and turns the teeth, and
// the full-precision one that measures angles between points as they are placed. Every
// other constant is derived from one of them; halving, quartering and doubling are exact
// in binary, so the derived values are the doubles nearest to their own ten-digit literals
// (1.570796327, 0.7853981635, 6.283185308).
#pragma once

// Pi rounded to ten significant digits. Every quantity that must agree with the generated
// profile (the gear data) computes with this same value: with the exact one the agreement
// would stop at about 2e-10 of the diameter.
const double kProfilePi = 3.141592654;
const double kProfileHalfPi = kProfilePi / 2;
const double kProfileQuarterPi = kProfilePi / 4;

// The full turn the teeth are spaced by: every tooth is placed with it, so the script, the
// drawings and the files place them alike.
const double kToothTurn = 2 * kProfilePi;

// Pi to double precision, for angles measured between placed points.
const double kPi = 3.141592653589793;
const double kHalfPi = kPi / 2;
const double kFullTurn = 2 * kPi;
