#include "gear/shaper_cutting.h"

#include <cmath>

#include "gear/gear_data.h"
#include "gear/tooth_profile.h"

static double Involute(double a) {
    return tan(a) - a;
}

double CutterRoundingAngle(double z0, double x0, double hf, double rho, double alpha) {
    // In modules: the rounding centre's distance from the cutter's axis, the base radius.
    const double rc = z0 / 2 + hf + x0 - rho;
    const double rb0 = z0 / 2 * cos(alpha);
    // Half the cutter tooth's angle on its base circle.
    const double halfBase = (kProfileHalfPi + 2 * x0 * tan(alpha)) / z0 + Involute(alpha);
    // The centre lies on the flank's involute unwound rho less: the same base point, turned
    // rho / rb0 toward the tooth's middle, at the pressure angle of the centre's circle.
    const double alphaC = acos(rb0 / rc);
    return halfBase - Involute(alphaC) - rho / rb0;
}

double CuttingPressureAngle(const GearParameters& p, const ShaperSetup& setup) {
    const double s = setup.ring ? -1 : 1;
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    // Without backlash the gear's tooth (a ring's space) and the cutter's tooth fill the
    // working pitch circles between them.
    const double z = p.toothCount + s * setup.cutterTeeth;
    const double x = p.profileShiftCoef + s * setup.cutterShiftCoef;
    return InverseInvolute(2 * tan(alpha) * x / z + Involute(alpha));
}

// There the tangent from the pitch point touches the base circle a_w0 clockwise of it (a
// ring: anticlockwise).
double ShaperInvoluteRoll(const ShaperCutting& c, double distance) {
    return c.involuteStart + c.sense * (distance / c.baseRadius - c.pressureAngle);
}

ShaperCutting ComputeShaperCutting(const GearParameters& p, const ShaperSetup& setup) {
    const double z = p.toothCount;
    const double z0 = setup.cutterTeeth;
    const double m = p.module;
    const double x = p.profileShiftCoef;
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    ShaperCutting c;
    c.sense = setup.ring ? -1 : 1;
    const double s = c.sense;
    c.ratio = z / z0;
    c.pressureAngle = CuttingPressureAngle(p, setup);
    c.centreDistance = m * (z + s * z0) * cos(alpha) / (2 * cos(c.pressureAngle));
    c.baseRadius = m * z / 2 * cos(alpha);
    c.pitchRadius = c.baseRadius / cos(c.pressureAngle);
    c.tipRadius = m * (z / 2 + s * p.addendumCoef + x);
    c.cutterTipRadius = m * (z0 / 2 + p.dedendumCoef + setup.cutterShiftCoef);
    c.cutterBaseRadius = m * z0 / 2 * cos(alpha);
    // The cutter's tip circle, turning about (0, a0), sweeps the root circle.
    c.rootRadius = c.centreDistance - s * c.cutterTipRadius;
    c.roundingRadius = p.toolTipRadiusCoef * m;
    c.roundingCentreRadius = c.cutterTipRadius - c.roundingRadius;
    // The cutter tooth beside the space that holds the gear's tooth stands half a cutter
    // pitch from the space's middle; its rounding sits back from its own middle line.
    c.roundingCentreAngle =
        kProfilePi / z0 -
        CutterRoundingAngle(z0, setup.cutterShiftCoef, p.dedendumCoef, p.toolTipRadiusCoef, alpha);
    // Half the tooth's angle on the base circle (a ring: its space's), to the left of +y.
    c.involuteStart = -kProfileHalfPi / z - s * (2 * x * tan(alpha) / z + Involute(alpha));
    // Along the line of action: the cutter's interference point lies a0 sin(a_w0) from the
    // gear's; the cutter's flank meets its rounding this much further on, toward the gear's
    // root (a ring's: away from the gear's interference point).
    const double betweenInterference = c.centreDistance * sin(c.pressureAngle);
    const double flankEnd = sqrt(c.roundingCentreRadius * c.roundingCentreRadius -
                                 c.cutterBaseRadius * c.cutterBaseRadius) +
                            c.roundingRadius;
    c.transitionDistance = betweenInterference - s * flankEnd;
    c.cutterInterferenceRadius = hypot(c.baseRadius, betweenInterference);
    c.tipBeyondCutterInterference = s * (c.tipRadius - c.cutterInterferenceRadius) > 0;
    c.rollStart = -c.roundingCentreAngle / c.ratio;
    c.rollTransition = ShaperInvoluteRoll(c, c.transitionDistance);
    c.rollEnd = ShaperInvoluteRoll(c, sqrt(Square(c.tipRadius) - Square(c.baseRadius)));
    return c;
}

double DefaultRimDiameter(const GearParameters& p, const ShaperSetup& setup) {
    return 2 * ComputeShaperCutting(p, setup).rootRadius + 4 * p.module;
}
