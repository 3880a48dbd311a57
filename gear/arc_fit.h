// Fits a tangent-continuous chain of circular arcs (straight segments included), none
// shorter than the tolerance, to a smooth plane curve within the tolerance, which a bound
// proves rather than samples: every point of the curve lies within the tolerance of the
// arcs (and, as the curve runs from each arc's end normal to the other, every point of the
// arcs within it of the curve). The arcs start and end at the curve's ends with its end
// tangents, so fits of neighbouring curves join with a common tangent where the curves do.
// No platform types.
//
// Does not: know what the curve is (see plane_curve.h); the fitter keeps its working nodes
// in static storage and is not reentrant.
#pragma once

#include "gear/fitted_arc.h"
#include "gear/plane_curve.h"

// Arcs arc[0..count-1] of arc[0..capacity-1] are filled.
struct ArcSink {
    FittedArc* arc;
    int capacity;
    int count;
};

// Appends the arcs of the curve made of pieces[0..pieceCount-1] (1 to kMaxCurvePieces), each
// piece starting where the last ends, along the same tangent. False when the sink is full,
// or no arcs were found, as for a piece whose direction does not turn one way, or a curve
// whose bends are too fine for arcs no shorter than the tolerance.
bool FitArcs(const PlaneCurve* pieces, int pieceCount, double tolerance, ArcSink* sink);
