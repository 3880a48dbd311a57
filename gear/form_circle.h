// Where the involute of an undercut tooth begins: the circle on which the cut of the
// cutter's tip rounding crosses the involute. No platform types.
#pragma once

#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"

// How far the fillet's point at roll angle theta lies outside the involute on its circle,
// as an angle: positive where the rounding leaves the involute standing, negative where it
// cuts into it or where there is no involute (inside the base circle). Also the point's
// radius and the involute's roll angle on that circle, on its branch rising from the base
// circle (left as it was inside the base circle).
double RackFilletBeyondInvolute(const GearParameters& p, double alpha, const GeneratingMotion& g,
                                double theta, double* radius, double* involuteTheta);

// Where the cut of the rounding of an undercut tooth crosses the involute, walking back from
// the transition toward the root: the fillet's roll angle there, to the last bit. False when
// the fillet does not stand outside the involute at the transition or never comes back to
// it.
bool RackUndercutCrossing(const GearParameters& p, double alpha, const GeneratingMotion& g,
                          double* theta);

// The form diameter dFf of an undercut gear p (accepted by CheckGearParameters); the base
// diameter when the rounding's cut never reaches the involute.
double UndercutFormDiameter(const GearParameters& p, double pressureAngleRad);
