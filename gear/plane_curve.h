// A smooth plane curve piece as the arc fitter reads it: its point and the direction of its
// tangent at any parameter of [t0, t1]. Any curve can be fitted through it: the rack-cut
// fillet and involute, or the parallel curve of a shaper cutter's path. No platform types.
#pragma once

#include "gear/tooth_profile.h"

struct CurveSample {
    ModelPoint point;
    // The tangent's angle toward increasing t, radians, continuous in t. It must turn one
    // way only over the piece (no inflection): the fitter's bound rests on that.
    double direction;
};

// The most pieces, joined along a common tangent, that one fit may run through.
const int kMaxCurvePieces = 4;

struct PlaneCurve {
    const void* context;
    CurveSample (*sample)(const void* context, double t);
    double t0;  // start of the piece; t0 < t1
    double t1;
};
