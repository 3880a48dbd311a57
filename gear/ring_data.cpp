#include "gear/ring_data.h"

#include <cmath>

#include "gear/shaper_form_circle.h"
#include "gear/shaper_profile.h"
#include "gear/tooth_profile.h"

// The quantities every formula below shares, in drawing units and radians.
struct RingBasics {
    double z;
    double m;
    double alpha;
    double d;            // reference diameter
    double db;           // base diameter
    double da;           // tip diameter, the inner circle
    double sOverD;       // half the angle the ring's tooth spans on the reference circle, s / d
    double spaceAtBase;  // half the angle a space spans on the base circle
};

static double Involute(double a) {
    return tan(a) - a;
}

static RingBasics RingBasicsOf(const GearParameters& p) {
    RingBasics b;
    b.z = p.toothCount;
    b.m = p.module;
    b.alpha = p.pressureAngleDeg * kProfilePi / 180;
    b.d = b.z * b.m;
    b.db = b.d * cos(b.alpha);
    b.da = b.m * (b.z - 2 * p.addendumCoef + 2 * p.profileShiftCoef);
    // A positive shift moves the profile outward: the space gains what the tooth loses.
    b.sOverD = (kProfileHalfPi - 2 * p.profileShiftCoef * tan(b.alpha)) / b.z;
    // A space is an external gear's tooth turned inside out: it narrows outward as that
    // tooth does, and is widest on the base circle.
    b.spaceAtBase = kProfilePi / b.z - b.sOverD + Involute(b.alpha);
    return b;
}

double LargestRingPinDiameter(const GearParameters& p) {
    const RingBasics b = RingBasicsOf(p);
    return b.db * b.spaceAtBase;
}

bool RingPinDiameterAccepted(const GearParameters& p, double pinDiameter) {
    return pinDiameter > 0 && pinDiameter <= LargestRingPinDiameter(p);
}

// Half the angle the ring's tooth spans on the circle of this diameter: it thickens outward.
static double HalfToothAngle(const RingBasics& b, double diameter) {
    return b.sOverD - Involute(b.alpha) + Involute(acos(fmin(1.0, b.db / diameter)));
}

// Diameters, base pitch, the thicknesses on the reference and tip circles and the chordal
// measurement of the tooth.
static void ComputeRingCircles(const RingBasics& b, const ShaperCutting& c, GearData* data) {
    data->referenceDiameter = b.d;
    data->baseDiameter = b.db;
    data->tipDiameter = b.da;
    data->rootDiameter = 2 * c.rootRadius;
    data->formDiameter = ShaperFormDiameter(c);
    data->basePitch = kProfilePi * b.m * cos(b.alpha);
    data->toothThickness = b.d * b.sOverD;
    const double tipHalfAngle = HalfToothAngle(b, b.da);
    data->tipThickness = b.da * tipHalfAngle;
    data->chordalThickness = b.d * sin(b.sOverD);
    // The crown is hollow: the caliper's tongue rests on its two corners, on the tip circle.
    data->chordalHeight = (b.d * cos(b.sOverD) - b.da * cos(tipHalfAngle)) / 2;
}

// The pin whose centre lies on the middle line of a space and which touches the flank on the
// circle of this diameter; 0 where no such pin exists.
static double RingPinTouchingAt(const RingBasics& b, double contactDiameter) {
    if (!(contactDiameter > b.db)) {
        return 0;
    }
    const double alphaContact = acos(b.db / contactDiameter);
    const double halfSpace = b.spaceAtBase - Involute(alphaContact);
    // The normal at the contact touches the base circle; the centre lies on it, dp/2 back
    // toward the touching point, and has the pressure angle alphaContact - halfSpace.
    const double alphaCentre = alphaContact - halfSpace;
    if (!(halfSpace > 0) || !(alphaCentre > 0)) {
        return 0;
    }
    return b.db * (tan(alphaContact) - tan(alphaCentre));
}

// The pin touching at the reference circle, else at the middle of the involute, rounded to
// 0.001 m.
static double DefaultRingPin(const RingBasics& b, double involuteEnd, double formDiameter) {
    double pin = RingPinTouchingAt(b, b.d);
    if (pin == 0) {
        pin = RingPinTouchingAt(b, (involuteEnd + formDiameter) / 2);
    }
    const double step = 0.001 * b.m;
    const double rounded = round(pin / step) * step;
    return rounded > 0 && rounded <= b.db * b.spaceAtBase ? rounded : pin;
}

// From q to the fillet's point at this roll.
static double DistanceToFillet(const ShaperCutting& c, ModelPoint q, double roll) {
    const ModelPoint f = ShaperFilletAt(c, roll).point;
    return hypot(f.x - q.x, f.y - q.y);
}

// Whether a pin of this diameter, its centre at centreRadius on the middle line of the space
// left of the tooth on +y, stays clear of the space's root: of the root circle and of the
// fillets the cutter's rounding left. A small pin that touches the involute low in a narrow
// space can sit on them instead. The nearest of a few samples of the fillet, then a
// golden-section search between its neighbours.
static bool PinClearsRoot(const ShaperCutting& c, const RingBasics& b, double centreRadius,
                          double pin) {
    if (centreRadius + pin / 2 > c.rootRadius) {
        return false;
    }
    const double halfPitch = kProfilePi / b.z;
    const ModelPoint centre = {-centreRadius * sin(halfPitch), centreRadius * cos(halfPitch)};
    const int samples = 64;
    const double step = (c.rollTransition - c.rollStart) / samples;
    int best = 0;
    for (int i = 1; i <= samples; i++) {
        if (DistanceToFillet(c, centre, c.rollStart + i * step) <
            DistanceToFillet(c, centre, c.rollStart + best * step)) {
            best = i;
        }
    }
    double lo = c.rollStart + (best > 0 ? best - 1 : 0) * step;
    double hi = c.rollStart + (best < samples ? best + 1 : samples) * step;
    const double golden = 0.6180339887498949;
    for (int i = 0; i < 100; i++) {
        const double left = hi - (hi - lo) * golden;
        const double right = lo + (hi - lo) * golden;
        if (DistanceToFillet(c, centre, left) < DistanceToFillet(c, centre, right)) {
            hi = right;
        } else {
            lo = left;
        }
    }
    // The fillet ends on the involute: a pin touching near there comes as close to it.
    return DistanceToFillet(c, centre, (lo + hi) / 2) > pin / 2 - 1e-9 * b.m;
}

// The involute of the ring runs from involuteEnd (its tip, or where the cutter's involute
// stops short of it) out to the form circle.
static void ComputeBetweenPins(const RingBasics& b, const ShaperCutting& c, double pinDiameter,
                               double involuteEnd, GearData* data) {
    const double pin =
        pinDiameter > 0 ? pinDiameter : DefaultRingPin(b, involuteEnd, data->formDiameter);
    data->pinDiameter = pin;
    if (pin == 0) {
        AddGearWarning(data, kWarningPinOffInvolute);
        return;
    }
    // The pin's centre: inv(aM) = (half the space angle on the base circle) - dp / db.
    const double alphaCentre = InverseInvolute(b.spaceAtBase - pin / b.db);
    const double tanCentre = tan(alphaCentre);
    const double centreDiameter = b.db * sqrt(1 + Square(tanCentre));
    const bool even = static_cast<long long>(b.z) % 2 == 0;
    // Measured between the pins' near sides; with an odd count the two pins stand half a
    // pitch off opposite.
    data->betweenPins = (even ? centreDiameter : centreDiameter * cos(kProfileHalfPi / b.z)) - pin;
    // The contact lies further out than the centre, along the normal away from the base
    // circle's touching point.
    const double tanContact = tanCentre + pin / b.db;
    data->pinContactDiameter = b.db * sqrt(1 + Square(tanContact));
    if (!(data->pinContactDiameter >= involuteEnd &&
          data->pinContactDiameter <= data->formDiameter) ||
        !PinClearsRoot(c, b, centreDiameter / 2, pin)) {
        AddGearWarning(data, kWarningPinOffInvolute);
    }
    if (!(centreDiameter - pin < b.da)) {
        AddGearWarning(data, kWarningPinNotInsideTip);
    }
}

void ComputeRingData(const GearParameters& p, const ShaperSetup& setup, double pinDiameter,
                     GearData* data) {
    const ShaperCutting c = ComputeShaperCutting(p, setup);
    RingBasics b = RingBasicsOf(p);
    // The tip circle exactly as the profile has it.
    b.da = 2 * c.tipRadius;
    *data = GearData();
    data->internal = true;
    data->spanApplies = false;
    ComputeRingCircles(b, c, data);
    double involuteEnd = b.da;
    if (c.tipBeyondCutterInterference) {
        involuteEnd = 2 * c.cutterInterferenceRadius;
        AddGearWarning(data, kWarningTipCutByCutter);
    }
    if (data->tipThickness < kThinTipCoef * b.m) {
        AddGearWarning(data, kWarningThinTip);
    }
    ComputeBetweenPins(b, c, pinDiameter, involuteEnd, data);
}
