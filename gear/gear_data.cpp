#include "gear/gear_data.h"

#include <cmath>

#include "gear/form_circle.h"
#include "gear/tooth_profile.h"

// The quantities every formula below shares, in drawing units and radians.
struct GearBasics {
    double z;
    double m;
    double x;
    double alpha;
    double d;       // reference diameter
    double db;      // base diameter
    double da;      // tip diameter
    double sOverD;  // half the angle the reference thickness spans, s / d
};

static GearBasics BasicsOf(const GearParameters& p) {
    GearBasics b;
    b.z = p.toothCount;
    b.m = p.module;
    b.x = p.profileShiftCoef;
    b.alpha = p.pressureAngleDeg * kProfilePi / 180;
    b.d = b.z * b.m;
    b.db = b.d * cos(b.alpha);
    b.da = b.m * (b.z + 2 * (p.addendumCoef + b.x));
    b.sOverD = (kProfileHalfPi + 2 * b.x * tan(b.alpha)) / b.z;
    return b;
}

static double Involute(double a) {
    return tan(a) - a;
}

double InverseInvolute(double value) {
    if (!(value > 0)) {
        return 0;
    }
    // In t = tan(a) the equation t - atan(t) = value is convex and increasing, so Newton's
    // steps from any t above the root fall monotonically onto it. Both starts lie above:
    // the root is below value + pi/2, and below tan(cbrt(3 value)) as inv(a) > a^3 / 3.
    double t = value + kProfileHalfPi;
    const double cubeRoot = cbrt(3 * value);
    if (cubeRoot < 1.5) {
        t = fmin(t, tan(cubeRoot));
    }
    for (int step = 0; step < 200; step++) {
        const double f = t - atan(t) - value;
        const double next = t - f * (1 + t * t) / (t * t);
        if (!(f > 0) || !(next < t)) {
            break;
        }
        t = next;
    }
    return atan(t);
}

double LargestPinDiameter(const GearParameters& p) {
    return BasicsOf(p).da;
}

bool PinDiameterAccepted(const GearParameters& p, double pinDiameter) {
    return pinDiameter > 0 && pinDiameter <= LargestPinDiameter(p);
}

bool SpanTeethAccepted(const GearParameters& p, int spanTeeth) {
    return spanTeeth >= 1 && spanTeeth <= p.toothCount - 1;
}

bool HasGearWarning(const GearData& data, GearWarning warning) {
    for (int i = 0; i < data.warningCount; i++) {
        if (data.warnings[i] == warning) {
            return true;
        }
    }
    return false;
}

void AddGearWarning(GearData* data, GearWarning warning) {
    if (data->warningCount < kMaxGearWarnings && !HasGearWarning(*data, warning)) {
        data->warnings[data->warningCount++] = warning;
    }
}

// Whether a contact at this diameter lies on the generated involute.
static bool OnInvolute(const GearData& data, double diameter) {
    return diameter >= data.formDiameter && diameter <= data.tipDiameter;
}

// Diameters, base pitch and the thicknesses on the reference and tip circles.
static void ComputeCircles(const GearParameters& p, const GearBasics& b, GearData* data) {
    data->referenceDiameter = b.d;
    data->baseDiameter = b.db;
    data->tipDiameter = b.da;
    data->rootDiameter = b.da - 2 * (p.addendumCoef + p.dedendumCoef) * b.m;
    data->basePitch = kProfilePi * b.m * cos(b.alpha);
    data->toothThickness = b.d * b.sOverD;
    const double alphaTip = acos(fmin(1.0, b.db / b.da));
    data->tipThickness = b.da * (b.sOverD + Involute(b.alpha) - Involute(alphaTip));
    data->chordalThickness = b.d * sin(b.sOverD);
    data->chordalHeight = (b.da - b.d) / 2 + b.d / 2 * (1 - cos(b.sOverD));
}

// The cutter's straight flank ends hf - rho (1 - sin a) below its reference line. Below
// x_min that end passes the interference point, where the line of action touches the base
// circle, and the tip rounding cuts into the involute's root.
static void ComputeUndercut(const GearParameters& p, const GearBasics& b, GearData* data) {
    const double sin2 = Square(sin(b.alpha));
    const double flankEnd = p.dedendumCoef - p.toolTipRadiusCoef * (1 - sin(b.alpha));
    data->minShiftWithoutUndercut = flankEnd - b.z / 2 * sin2;
    data->undercut = b.x < data->minShiftWithoutUndercut;
    // The smallest z with z sin^2(a) / 2 >= flankEnd - x, checked with the same comparison.
    const double bound = 2 * (flankEnd - b.x) / sin2;
    double teeth = 1;
    if (bound > 1 && bound < 1e15) {
        teeth = ceil(bound);
        while (teeth > 1 && b.x >= flankEnd - (teeth - 1) / 2 * sin2) {
            teeth -= 1;
        }
        while (b.x < flankEnd - teeth / 2 * sin2) {
            teeth += 1;
        }
    } else if (bound >= 1e15) {
        teeth = ceil(bound);
    }
    data->minTeethWithoutUndercut = teeth;
    if (!data->undercut) {
        // The flank's end touches the gear on the line of action, this far beyond the
        // interference point.
        const double beyond = b.d / 2 * sin(b.alpha) - b.m * (flankEnd - b.x) / sin(b.alpha);
        data->formDiameter = sqrt(Square(b.db) + 4 * Square(beyond));
    } else {
        data->formDiameter = UndercutFormDiameter(p, b.alpha);
        AddGearWarning(data, kWarningUndercut);
    }
}

// Base tangent length over k teeth and the diameter where the caliper touches the flank.
static double SpanOver(const GearBasics& b, int k, double* contactDiameter) {
    const double span = b.m * cos(b.alpha) * (kProfilePi * (k - 0.5) + b.z * Involute(b.alpha)) +
                        2 * b.x * b.m * sin(b.alpha);
    *contactDiameter = sqrt(Square(b.db) + Square(span));
    return span;
}

static void ComputeSpan(const GearBasics& b, int spanTeeth, GearData* data) {
    int k = spanTeeth;
    if (k == 0) {
        // The k whose contact lies nearest the middle of the involute; when any contact
        // lies on the involute, that one does.
        const double middle = (data->formDiameter + data->tipDiameter) / 2;
        double bestDistance = HUGE_VAL;
        for (int candidate = 1; candidate <= static_cast<int>(b.z) - 1; candidate++) {
            double contact = 0;
            SpanOver(b, candidate, &contact);
            if (fabs(contact - middle) < bestDistance) {
                bestDistance = fabs(contact - middle);
                k = candidate;
            }
        }
    }
    data->spanTeeth = k;
    data->span = SpanOver(b, k, &data->spanContactDiameter);
    if (!(data->span > 0) || !OnInvolute(*data, data->spanContactDiameter)) {
        AddGearWarning(data, kWarningSpanOffInvolute);
    }
}

// The pin whose centre lies on the middle line of the tooth space and which touches the
// flank on the circle of this diameter; 0 where no such pin exists.
static double PinTouchingAt(const GearBasics& b, double contactDiameter) {
    if (!(contactDiameter > b.db)) {
        return 0;
    }
    const double alphaContact = acos(b.db / contactDiameter);
    const double halfTooth = b.sOverD + Involute(b.alpha) - Involute(alphaContact);
    const double halfSpace = kProfilePi / b.z - halfTooth;
    // The normal at the contact is tangent to the base circle; the centre lies on it, dp/2
    // further on, and has the pressure angle alphaContact + halfSpace.
    const double alphaCentre = alphaContact + halfSpace;
    if (!(halfSpace > 0) || !(alphaCentre < 1.5)) {
        return 0;
    }
    return b.db * (tan(alphaCentre) - tan(alphaContact));
}

// The pin touching at the reference circle, else at the middle of the involute, rounded
// to 0.001 m.
static double DefaultPinDiameter(const GearBasics& b, const GearData& data) {
    double pin = PinTouchingAt(b, b.d);
    if (pin == 0) {
        pin = PinTouchingAt(b, (data.formDiameter + data.tipDiameter) / 2);
    }
    const double step = 0.001 * b.m;
    const double rounded = round(pin / step) * step;
    return rounded > 0 && rounded <= b.da ? rounded : pin;
}

static void ComputeOverPins(const GearBasics& b, double pinDiameter, GearData* data) {
    const double pin = pinDiameter > 0 ? pinDiameter : DefaultPinDiameter(b, *data);
    data->pinDiameter = pin;
    if (pin == 0) {
        data->overPins = 0;
        data->pinContactDiameter = 0;
        AddGearWarning(data, kWarningPinOffInvolute);
        return;
    }
    // The pin's centre: inv(aM) = inv(a) + dp / db - (half the space angle at d).
    const double halfSpace = kProfilePi / b.z - b.sOverD;
    const double alphaCentre = InverseInvolute(Involute(b.alpha) + pin / b.db - halfSpace);
    const double tanCentre = tan(alphaCentre);
    const double centreDiameter = b.db * sqrt(1 + Square(tanCentre));
    const bool even = static_cast<long long>(b.z) % 2 == 0;
    // With an odd count the two pins stand half a pitch off opposite.
    data->overPins = (even ? centreDiameter : centreDiameter * cos(kProfileHalfPi / b.z)) + pin;
    const double tanContact = tanCentre - pin / b.db;
    data->pinContactDiameter = b.db * sqrt(1 + Square(tanContact));
    if (!(tanContact > 0) || !OnInvolute(*data, data->pinContactDiameter)) {
        AddGearWarning(data, kWarningPinOffInvolute);
    }
    if (!(centreDiameter + pin > b.da)) {
        AddGearWarning(data, kWarningPinBelowTip);
    }
}

void ComputeGearData(const GearParameters& p, double pinDiameter, int spanTeeth, GearData* data) {
    const GearBasics b = BasicsOf(p);
    *data = GearData();
    data->spanApplies = true;
    ComputeCircles(p, b, data);
    ComputeUndercut(p, b, data);
    if (data->tipThickness < kThinTipCoef * b.m) {
        AddGearWarning(data, kWarningThinTip);
    }
    if (p.toothCount < 2) {
        AddGearWarning(data, kWarningTooFewTeeth);
        return;
    }
    ComputeSpan(b, spanTeeth, data);
    ComputeOverPins(b, pinDiameter, data);
}
