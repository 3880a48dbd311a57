#include "gear/sign_change.h"

bool LastPositiveBefore(const CurveFunction& f, double from, double to, int samples, double* t) {
    double outside = from;
    if (!(f.at(f.context, outside) > 0)) {
        return false;
    }
    for (int i = 1; i <= samples; i++) {
        const double sample = from + i * (to - from) / samples;
        if (f.at(f.context, sample) > 0) {
            outside = sample;
            continue;
        }
        double inside = sample;
        for (int step = 0; step < 200; step++) {
            const double middle = (outside + inside) / 2;
            if (middle == outside || middle == inside) {
                break;
            }
            if (f.at(f.context, middle) > 0) {
                outside = middle;
            } else {
                inside = middle;
            }
        }
        *t = outside;
        return true;
    }
    return false;
}
