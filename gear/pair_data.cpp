#include "gear/pair_data.h"

#include <cmath>

#include "gear/gear_data.h"
#include "gear/tooth_profile.h"

GearParameters MateParameters(const PairInput& input) {
    GearParameters p = input.gear;
    p.toothCount = input.mateToothCount;
    p.profileShiftCoef = input.mateShiftCoef;
    return p;
}

// Gear p with its tip cut down by k m: the addendum falls, the dedendum and so the root and
// the cutter's path stay.
static GearParameters Shortened(GearParameters p, double k) {
    p.addendumCoef -= k;
    return p;
}

GearParameters GearAsCut(const PairInput& input, const PairData& data) {
    return Shortened(input.gear, data.tipShortening);
}

GearParameters MateAsCut(const PairInput& input, const PairData& data) {
    return Shortened(MateParameters(input), data.tipShortening);
}

bool HasPairWarning(const PairData& data, PairWarning warning) {
    for (int i = 0; i < data.warningCount; i++) {
        if (data.warnings[i] == warning) {
            return true;
        }
    }
    return false;
}

void AddPairWarning(PairData* data, PairWarning warning) {
    if (data->warningCount < kMaxPairWarnings && !HasPairWarning(*data, warning)) {
        data->warnings[data->warningCount++] = warning;
    }
}

static PairTeeth TeethOf(const PairInput& input) {
    PairTeeth t;
    t.kind = input.kind;
    t.z1 = input.gear.toothCount;
    t.x1 = input.gear.profileShiftCoef;
    t.z2 = input.mateToothCount;
    t.x2 = input.mateShiftCoef;
    t.module = input.gear.module;
    t.alpha = input.gear.pressureAngleDeg * kProfilePi / 180;
    return t;
}

// An external gear of the pair, as its own gear data give it; a shaper-cut gear's root and
// form circles as its cutter leaves them (0: the rack's).
static void ExternalSide(const GearParameters& p, double rootDiameter, double formDiameter,
                         PairSide* side) {
    GearData d;
    ComputeGearData(p, 0, 0, &d);
    side->baseDiameter = d.baseDiameter;
    side->tipDiameter = d.tipDiameter;
    side->rootDiameter = rootDiameter > 0 ? rootDiameter : d.rootDiameter;
    side->formDiameter = formDiameter > 0 ? formDiameter : d.formDiameter;
    side->tipThickness = d.tipThickness;
}

// The ring: its tip circle m (z2 - 2 ha + 2 x2) inside, its root and form circles from its
// cutter. Its spaces are bounded by involutes as an external tooth is, so its tooth on a
// circle is the pitch less that space: on the tip circle
// d_a2 [(pi/2 - 2 x2 tan a) / z2 - inv a + inv a_a2].
static void RingSide(const PairInput& input, const PairTeeth& t, PairSide* side) {
    const double m = t.module;
    side->baseDiameter = m * t.z2 * cos(t.alpha);
    side->tipDiameter = m * (t.z2 - 2 * input.gear.addendumCoef + 2 * t.x2);
    side->rootDiameter = input.ringRootDiameter;
    side->formDiameter =
        input.ringFormDiameter > 0 ? input.ringFormDiameter : input.ringRootDiameter;
    const double alphaA = acos(fmin(1.0, side->baseDiameter / side->tipDiameter));
    side->tipThickness = side->tipDiameter * ((kProfileHalfPi - 2 * t.x2 * tan(t.alpha)) / t.z2 -
                                              Involute(t.alpha) + Involute(alphaA));
}

static void Refuse(PairData* data, PairRefusal refusal, double limit) {
    data->refusal = refusal;
    data->refusalLimit = limit;
}

// The ring must be larger than the pinion, its tip circle outside its base circle and its
// root outside its tip.
static bool RingAccepted(const PairInput& input, const PairTeeth& t, PairData* data) {
    if (!(input.mateToothCount > input.gear.toothCount)) {
        Refuse(data, kPairRingTooSmall, input.gear.toothCount + 1);
        return false;
    }
    PairSide ring;
    RingSide(input, t, &ring);
    if (!(ring.tipDiameter > ring.baseDiameter)) {
        Refuse(data, kPairRingTipInsideBase, 0);
        return false;
    }
    if (!(ring.rootDiameter > ring.tipDiameter)) {
        Refuse(data, kPairRingRootInsideTip, ring.tipDiameter);
        return false;
    }
    return true;
}

// The working mesh, tight or at the given centre distance; false with the refusal when the
// pair cannot run there.
static bool MeshAccepted(const PairInput& input, const PairTeeth& t, PairData* data) {
    const bool given = input.centreDistance > 0;
    data->mesh = given ? MeshAtCentreDistance(t, input.centreDistance) : TightMesh(t);
    const WorkingMesh tight = TightMesh(t);
    const double zs = ToothSumOf(t);
    // The shift at which inv a_w reaches 0, and the centre distance where a_w does.
    const double leastShift = -zs * Involute(t.alpha) / (2 * tan(t.alpha));
    const double leastDistance = data->mesh.referenceCentreDistance * cos(t.alpha);
    if (!data->mesh.exists) {
        Refuse(data, kPairNoWorkingPressureAngle, given ? leastDistance : leastShift);
        return false;
    }
    // Rounding alone must not refuse the tight distance itself.
    if (given && data->mesh.normalBacklash < -1e-12 * input.centreDistance) {
        if (!tight.exists) {
            Refuse(data, kPairNoWorkingPressureAngle, leastShift);
        } else if (t.kind == kInternalPair) {
            Refuse(data, kPairCentreDistanceTooLarge, tight.centreDistance);
        } else {
            Refuse(data, kPairCentreDistanceTooSmall, tight.centreDistance);
        }
        return false;
    }
    return true;
}

// Working pitch circles and the clearance under each root, on the line of centres.
static void ComputeRunningCircles(const PairTeeth& t, PairData* data) {
    const double a = data->mesh.centreDistance;
    const double zs = ToothSumOf(t);
    data->gear.workingPitchDiameter = 2 * a * t.z1 / zs;
    data->mate.workingPitchDiameter = 2 * a * t.z2 / zs;
    PairSide& g = data->gear;
    PairSide& w = data->mate;
    if (t.kind == kInternalPair) {
        g.rootClearance = w.tipDiameter / 2 - a - g.rootDiameter / 2;
        w.rootClearance = w.rootDiameter / 2 - a - g.tipDiameter / 2;
    } else {
        g.rootClearance = a - (w.tipDiameter + g.rootDiameter) / 2;
        w.rootClearance = a - (g.tipDiameter + w.rootDiameter) / 2;
    }
}

static void ComputeContact(const PairTeeth& t, PairData* data) {
    const ContactCircles g = {data->gear.baseDiameter, data->gear.tipDiameter,
                              data->gear.formDiameter};
    const ContactCircles w = {data->mate.baseDiameter, data->mate.tipDiameter,
                              data->mate.formDiameter};
    const double basePitch = kProfilePi * t.module * cos(t.alpha);
    const ContactPath c =
        ComputeContactPath(t.kind, g, w, data->mesh.centreDistance, data->mesh.alphaW, basePitch);
    data->contactRatio = c.contactRatio;
    data->usableContactRatio = c.usableContactRatio;
    data->gear.activeProfileStart = c.activeStart1;
    data->mate.activeProfileStart = c.activeStart2;
    if (c.offForm1) {
        AddPairWarning(data, kPairContactOffForm);
    }
    if (c.offForm2) {
        AddPairWarning(data, kPairMateContactOffForm);
    }
}

static void ComputeWarnings(double m, PairData* data) {
    if (data->interference.involute) {
        AddPairWarning(data, kPairInvoluteInterference);
    }
    if (data->interference.trochoid) {
        AddPairWarning(data, kPairTrochoidInterference);
    }
    if (data->interference.trimming) {
        AddPairWarning(data, kPairTrimmingInterference);
    }
    if (data->contactRatio < kLeastContactRatio) {
        AddPairWarning(data, kPairLowContactRatio);
    }
    if (data->gear.rootClearance < kLeastRootClearanceCoef * m) {
        AddPairWarning(data, kPairSmallRootClearance);
    }
    if (data->mate.rootClearance < kLeastRootClearanceCoef * m) {
        AddPairWarning(data, kPairMateSmallRootClearance);
    }
    if (data->gear.tipThickness < kThinTipCoef * m) {
        AddPairWarning(data, kPairThinTip);
    }
    if (data->mate.tipThickness < kThinTipCoef * m) {
        AddPairWarning(data, kPairMateThinTip);
    }
}

void ComputePairData(const PairInput& input, PairData* data) {
    *data = PairData();
    data->kind = input.kind;
    const PairTeeth t = TeethOf(input);
    if (t.kind == kInternalPair && !RingAccepted(input, t, data)) {
        return;
    }
    if (!MeshAccepted(input, t, data)) {
        return;
    }
    // Shortening by k = x1 + x2 - y keeps the root clearance of the standard pair.
    const double k = ShiftSumOf(t) - data->mesh.centreDistanceModCoef;
    if (input.shortenTips && t.kind == kExternalPair && k > 0) {
        data->tipShortening = k;
    }
    ExternalSide(GearAsCut(input, *data), input.gearRootDiameter, input.gearFormDiameter,
                 &data->gear);
    if (t.kind == kInternalPair) {
        RingSide(input, t, &data->mate);
        data->interference = CheckInternalInterference(
            t.z1, t.z2, data->gear.tipDiameter, data->mate.tipDiameter, data->gear.baseDiameter,
            data->mate.baseDiameter, data->mesh.centreDistance, data->mesh.alphaW);
    } else {
        ExternalSide(MateAsCut(input, *data), input.mateRootDiameter, input.mateFormDiameter,
                     &data->mate);
    }
    ComputeRunningCircles(t, data);
    ComputeContact(t, data);
    ComputeWarnings(t.module, data);
}
