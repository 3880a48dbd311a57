// One piece of a tangent arc spline, in the form DXF (bulge) and SVG (A and L) write it:
// start, end and bulge, so that a straight segment is an arc like any other. No platform
// types.
#pragma once

#include "gear/tooth_profile.h"

// From start to end, turning counter-clockwise for a positive bulge. The bulge is the
// tangent of a quarter of the swept angle: 0 is a straight segment, 1 a half circle.
struct FittedArc {
    ModelPoint start;
    ModelPoint end;
    double bulge;
};

// The signed swept angle, radians: positive counter-clockwise.
double FittedArcSweep(const FittedArc& arc);

// The radius; HUGE_VAL for a straight segment.
double FittedArcRadius(const FittedArc& arc);

// The direction of travel at the start and at the end, radians.
double FittedArcStartDirection(const FittedArc& arc);
double FittedArcEndDirection(const FittedArc& arc);
