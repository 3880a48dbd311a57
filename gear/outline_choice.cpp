#include "gear/outline_choice.h"

#include <cmath>

#include "gear/fitted_flank.h"

double DefaultOutlineTolerance(const GearParameters& p) {
    return 1e-4 * p.module;
}

OutlineChoice DefaultOutlineChoice(const GearParameters& p) {
    return {kOutlineFitted, DefaultOutlineTolerance(p)};
}

double CoarsestFitTolerance(const GearParameters& p) {
    return 1e-2 * p.module;
}

bool OutlineToleranceAccepted(const GearParameters& p, double tolerance) {
    return std::isfinite(tolerance) && tolerance > 0 && tolerance >= LeastFitTolerance(p) &&
           tolerance <= CoarsestFitTolerance(p);
}
