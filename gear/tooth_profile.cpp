#include "gear/tooth_profile.h"

#include <cmath>

double Square(double v) {
    return v * v;
}

GeneratingMotion ComputeGeneratingMotion(const GearParameters& p, double alpha) {
    const double z = p.toothCount;
    const double x = p.profileShiftCoef;
    const double ha = p.addendumCoef;
    const double hf = p.dedendumCoef;
    const double rho = p.toolTipRadiusCoef;
    GeneratingMotion g;
    // The rounding's centre sits hf - rho below the cutter's reference line, rho/cos(alpha)
    // inside the flank, which crosses the reference line a quarter pitch left of the axis.
    g.cx = -((hf - rho) * tan(alpha) + kProfileQuarterPi + rho / cos(alpha));
    g.cy = (rho - hf) + x;
    g.thetaStart = 2 * g.cx / z;
    // Here the line from the pitch point through the centre is normal to the straight flank.
    g.thetaTransition = (g.cy / tan(alpha) + g.cx) * (2 / z);
    // Tangent of the pressure angle at the tip circle: sqrt(ra^2 - rb^2) / rb.
    const double ta = sqrt(Square(z + 2 * ha + 2 * x) - Square(z * cos(alpha))) / z / cos(alpha);
    g.thetaEnd = ta - tan(alpha) * (1 + 2 * x / z) - kProfileHalfPi / z;
    return g;
}

// Fillet: the curve parallel, at distance rho, to the trochoid of the rounding's centre.
ModelPoint FilletPointAt(const GearParameters& p, const GeneratingMotion& g, double theta) {
    const double z = p.toothCount;
    const double m = p.module;
    const double x = p.profileShiftCoef;
    const double hf = p.dedendumCoef;
    const double rho = p.toolTipRadiusCoef;
    // w: twice the x offset of the centre from the pitch point; S: twice their distance.
    const double w = 2 * g.cx - z * theta;
    const double s = sqrt(Square(w) + 4 * Square(g.cy));
    // The rounding's centre moved by rho along the ray from the pitch point through it.
    const double u = rho * w / s + (g.cx - z * theta / 2);
    const double v = 2 * rho * g.cy / s + (rho - hf) + z / 2 + x;
    return {m * (u * cos(theta) + v * sin(theta)), m * (v * cos(theta) - u * sin(theta))};
}

static void ComputeFillet(const GearParameters& p, const GeneratingMotion& g,
                          ToothProfile* profile) {
    const int nF = p.filletDivisions;
    for (int i = 0; i <= nF; i++) {
        const double theta = g.thetaStart + i * (g.thetaTransition - g.thetaStart) / nF;
        const ModelPoint point = FilletPointAt(p, g, theta);
        profile->profileX[i] = point.x;
        profile->profileY[i] = point.y;
    }
}

// Involute: where the straight flank touches the line of action through the pitch point.
ModelPoint InvolutePointAt(const GearParameters& p, double alpha, double theta) {
    const double z = p.toothCount;
    const double x = p.profileShiftCoef;
    const double r = z * 0.5 * p.module;
    // Signed distance from the pitch point along the line of action, in pitch radii.
    const double q = cos(alpha) * (theta + kProfileHalfPi / z) + (2 * x / z) * sin(alpha);
    return {r * (sin(theta) - q * cos(theta + alpha)), r * (cos(theta) + q * sin(theta + alpha))};
}

static void ComputeInvolute(const GearParameters& p, double alpha, const GeneratingMotion& g,
                            ToothProfile* profile) {
    const int nF = p.filletDivisions;
    const int nI = p.involuteDivisions;
    for (int i = 1; i <= nI; i++) {
        const double theta = g.thetaTransition + i * (g.thetaEnd - g.thetaTransition) / nI;
        const ModelPoint point = InvolutePointAt(p, alpha, theta);
        profile->profileX[nF + i] = point.x;
        profile->profileY[nF + i] = point.y;
    }
}

void ComputeProfileOf(const GearParameters& p, GearGeometry* geometry, ToothProfile* profile) {
    const double m = p.module;
    const double alpha = p.pressureAngleDeg * kProfilePi / 180;
    geometry->pressureAngleRad = alpha;
    geometry->pitchRadius = 0.5 * m * p.toothCount;
    geometry->tipRadius = 0.5 * m * (p.toothCount + 2 * (p.addendumCoef + p.profileShiftCoef));
    geometry->rootRadius = geometry->tipRadius - (p.dedendumCoef + p.addendumCoef) * m;
    const int nF = p.filletDivisions;
    const int nI = p.involuteDivisions;
    if (nF < 1 || nI < 1 || nF > kProfileCapacity - 1 - nI) {
        return;
    }
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    ComputeFillet(p, g, profile);
    ComputeInvolute(p, alpha, g, profile);
}

int ProfileLastIndex(int lastIndex) {
    if (lastIndex < 0) {
        return 0;
    }
    return lastIndex < kProfileCapacity ? lastIndex : kProfileCapacity - 1;
}
