#include "gear/ring_trimming.h"

#include <cmath>

#include "gear/parameter_check.h"
#include "gear/tooth_profile.h"

static double Involute(double a) {
    return tan(a) - a;
}

bool RingCutWithoutTrimming(const GearParameters& p, const ShaperSetup& setup) {
    const double z = p.toothCount;
    const double z0 = setup.cutterTeeth;
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    if (!(z > z0)) {
        return false;
    }
    const double alphaW = CuttingPressureAngle(p, setup);
    // In modules: the tip and base radii of the cutter and of the ring.
    const double ra0 = z0 / 2 + p.dedendumCoef + setup.cutterShiftCoef;
    const double rb0 = z0 / 2 * cos(alpha);
    const double ra = z / 2 - p.addendumCoef + p.profileShiftCoef;
    const double rb = z / 2 * cos(alpha);
    if (!(alphaW > 0 && ra >= rb && ra > ra0 && ra0 > rb0)) {
        return false;
    }
    // Where the difference of the two counts is least (below ra0 as the ring is wider).
    const double squared = (z * z * ra0 * ra0 - z0 * z0 * ra * ra) / (z * z - z0 * z0);
    const double x = sqrt(fmin(fmax(squared, 0.0), ra0 * ra0));
    const double cutter = z0 * (asin(x / ra0) + Involute(acos(rb0 / ra0)) - Involute(alphaW));
    const double ring = z * (asin(x / ra) + Involute(acos(rb / ra)) - Involute(alphaW));
    return cutter >= ring;
}

int LeastRingTeeth(const GearParameters& p, const ShaperSetup& setup) {
    GearParameters ring = p;
    for (int z = p.toothCount + 1; z <= kMaxToothCount; z++) {
        ring.toothCount = z;
        if (RingCutWithoutTrimming(ring, setup)) {
            return z;
        }
    }
    return 0;
}
