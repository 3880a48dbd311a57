// How the DXF and SVG files draw the flanks: fitted (circular arcs within a tolerance of
// the exact fillet and involute) or divided (the chords between the script's division
// points), and the tolerance, a length in drawing units. No platform types.
//
// Does not: fit or walk the outline (fitted_flank.h, outline_flank.h, gear_outline.h).
#pragma once

#include "gear/gear_parameters.h"

enum OutlineStyle { kOutlineFitted, kOutlineDivided };

struct OutlineChoice {
    OutlineStyle style;
    // Fitted: every point of the arcs lies within it of the exact flank. Divided: points of
    // the flank closer than it to their neighbour are merged.
    double tolerance;
};

// A ten-thousandth of the module: far finer than the chords, a handful of arcs a flank.
double DefaultOutlineTolerance(const GearParameters& p);

// The fitted outline at the default tolerance.
OutlineChoice DefaultOutlineChoice(const GearParameters& p);

// The coarsest tolerance: a hundredth of the module, a hundred times the default. Coarser,
// the arcs would stray visibly from the tooth, and no arc may be shorter than the tolerance,
// which a short fillet cannot give.
double CoarsestFitTolerance(const GearParameters& p);

// True when the fit reaches tolerance for gear p (accepted by CheckGear): a number from
// LeastFitTolerance(p) to CoarsestFitTolerance(p).
bool OutlineToleranceAccepted(const GearParameters& p, double tolerance);
