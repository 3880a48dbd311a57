// Where a function along a curve stops being positive, found to the last bit: how the cut
// of an undercut tooth's rounding is found where it crosses the involute, for the rack and
// the shaper cutter alike, so that the form circle of the gear data and the corner of the
// fitted flank are one and the same point. No platform types.
#pragma once

struct CurveFunction {
    const void* context;
    double (*at)(const void* context, double t);
};

// Walking from `from` toward `to` in `samples` equal steps, the first sample where f is not
// positive, then the step before it halved to the last bit: the last parameter where f is
// still positive. False when f(from) is not positive or f stays positive all the way.
bool LastPositiveBefore(const CurveFunction& f, double from, double to, int samples, double* t);
