#include "gear/form_circle.h"

#include <cmath>

#include "gear/sign_change.h"

// Angle of a flank point from the tooth's centre line, positive toward the left flank.
static double AngleFromCentreLine(const ModelPoint& point) {
    return atan2(-point.x, point.y);
}

double RackFilletBeyondInvolute(const GearParameters& p, double alpha, const GeneratingMotion& g,
                                double theta, double* radius, double* involuteTheta) {
    const ModelPoint fillet = FilletPointAt(p, g, theta);
    *radius = hypot(fillet.x, fillet.y);
    const double z = p.toothCount;
    const double r = z * 0.5 * p.module;
    const double underRoot = Square(*radius / r) - Square(cos(alpha));
    if (!(underRoot > 0)) {
        return -1;
    }
    // The involute's own roll angle for this circle: its distance from the pitch point
    // along the line of action is q pitch radii, on the branch rising from the base circle.
    const double q = -sin(alpha) + sqrt(underRoot);
    *involuteTheta =
        (q - (2 * p.profileShiftCoef / z) * sin(alpha)) / cos(alpha) - kProfileHalfPi / z;
    return AngleFromCentreLine(fillet) -
           AngleFromCentreLine(InvolutePointAt(p, alpha, *involuteTheta));
}

struct RackCrossing {
    const GearParameters* p;
    double alpha;
    const GeneratingMotion* g;
};

static double Beyond(const void* context, double theta) {
    const RackCrossing& c = *static_cast<const RackCrossing*>(context);
    double radius = 0;
    double involuteTheta = 0;
    return RackFilletBeyondInvolute(*c.p, c.alpha, *c.g, theta, &radius, &involuteTheta);
}

bool RackUndercutCrossing(const GearParameters& p, double alpha, const GeneratingMotion& g,
                          double* theta) {
    // At the transition the fillet touches the involute's reversed branch, outside the
    // involute; walking back toward the root it crosses the involute once.
    const RackCrossing crossing = {&p, alpha, &g};
    return LastPositiveBefore({&crossing, Beyond}, g.thetaTransition, g.thetaStart, 256, theta);
}

double UndercutFormDiameter(const GearParameters& p, double alpha) {
    const GeneratingMotion g = ComputeGeneratingMotion(p, alpha);
    double radius = 0;
    double involuteTheta = 0;
    // Inside the involute at the transition already, or no involute there: the fillet's
    // own radius there.
    if (!(RackFilletBeyondInvolute(p, alpha, g, g.thetaTransition, &radius, &involuteTheta) > 0)) {
        return 2 * radius;
    }
    double theta = 0;
    if (!RackUndercutCrossing(p, alpha, g, &theta)) {
        return p.toothCount * p.module * cos(alpha);
    }
    RackFilletBeyondInvolute(p, alpha, g, theta, &radius, &involuteTheta);
    return 2 * radius;
}
