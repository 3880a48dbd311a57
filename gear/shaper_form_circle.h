// Where the involute of a shaper-cut gear begins: on the line of action where the cutter's
// flank meets its tip rounding, or, when the rounding undercuts the tooth, on the circle
// where its cut crosses the involute. No platform types.
//
// A ring is never undercut this way: its interference point lies behind the cutter's on
// the line of action, on the side away from the rounding.
#pragma once

#include "gear/shaper_cutting.h"

// Where the cut of an undercut tooth's rounding crosses the involute, walking back from the
// transition toward the root: the fillet's roll angle there, found to the last bit. False
// when the fillet does not stand outside the involute at the transition or never comes back
// to it.
bool ShaperUndercutCrossing(const ShaperCutting& c, double* filletRoll);

// The form diameter dFf of the gear cut as c describes (accepted by CheckShaperCut); the
// base diameter when an undercut rounding's cut never reaches the involute.
double ShaperFormDiameter(const ShaperCutting& c);
