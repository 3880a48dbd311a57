#include "gear/gear_pair.h"

#include <cmath>

#include "gear/gear_limits.h"
#include "gear/mesh_gear.h"
#include "gear/pair_mesh.h"
#include "gear/shaper_form_circle.h"

// A twentieth of a pitch: the step of the roll.
static const int kRollStepsPerPitch = 20;

MateChoice DefaultMateChoice(const GearParameters& gear, const GearCut& cut) {
    MateChoice choice;
    if (cut.internal) {
        choice.toothCount = gear.toothCount / 2 > 0 ? gear.toothCount / 2 : 1;
    } else {
        choice.toothCount =
            gear.toothCount * 2 <= kMaxToothCount ? gear.toothCount * 2 : gear.toothCount;
    }
    choice.shiftCoef = 0;
    choice.centreDistance = 0;
    choice.shortenTips = false;
    choice.cut = {kRackCutter, false, DefaultShaperCut(false).cutterTeeth, 0.0, 0.0};
    return choice;
}

// The root and form diameters a shaper leaves on a gear (0 for a rack-cut gear, whose own
// data give them).
static void CutCircles(const GearParameters& p, const GearCut& cut, double* root, double* form) {
    *root = 0;
    *form = 0;
    if (cut.cutter == kShaperCutter || cut.internal) {
        const ShaperCutting c = ComputeShaperCutting(p, ShaperSetupOf(p, cut));
        *root = 2 * c.rootRadius;
        *form = ShaperFormDiameter(c);
    }
}

// The formulas take the external gear (the pinion of an internal pair) as gear 1.
static PairInput InputOf(const GearParameters& p, const GearCut& cut, const MateChoice& choice,
                         bool swapped) {
    GearParameters mate = p;
    mate.toothCount = choice.toothCount;
    mate.profileShiftCoef = choice.shiftCoef;
    const GearParameters& first = swapped ? mate : p;
    const GearParameters& second = swapped ? p : mate;
    const GearCut& firstCut = swapped ? choice.cut : cut;
    const GearCut& secondCut = swapped ? cut : choice.cut;
    PairInput input = {};
    input.gear = first;
    input.mateToothCount = second.toothCount;
    input.mateShiftCoef = second.profileShiftCoef;
    input.kind = cut.internal || choice.cut.internal ? kInternalPair : kExternalPair;
    input.centreDistance = choice.centreDistance;
    input.shortenTips = choice.shortenTips;
    CutCircles(first, firstCut, &input.gearRootDiameter, &input.gearFormDiameter);
    double root = 0;
    double form = 0;
    CutCircles(second, secondCut, &root, &form);
    if (input.kind == kInternalPair) {
        input.ringRootDiameter = root;
        input.ringFormDiameter = form;
    } else {
        input.mateRootDiameter = root;
        input.mateFormDiameter = form;
    }
    return input;
}

double TightCentreDistance(const GearParameters& p, const GearCut& cut, const MateChoice& choice) {
    const bool internal = cut.internal || choice.cut.internal;
    const bool swapped = cut.internal;
    const double z1 = swapped ? choice.toothCount : p.toothCount;
    const double x1 = swapped ? choice.shiftCoef : p.profileShiftCoef;
    const double z2 = swapped ? p.toothCount : choice.toothCount;
    const double x2 = swapped ? p.profileShiftCoef : choice.shiftCoef;
    const PairTeeth teeth = {internal ? kInternalPair : kExternalPair, z1, x1, z2, x2, p.module,
                             p.pressureAngleDeg * kProfilePi / 180};
    const WorkingMesh mesh = TightMesh(teeth);
    return mesh.exists && std::isfinite(mesh.centreDistance) ? mesh.centreDistance : 0;
}

static PairProblem Problem(ParameterProblem mate, PairRefusal pair, double limit) {
    PairProblem problem;
    problem.mate = mate;
    problem.pair = pair;
    problem.pairLimit = limit;
    return problem;
}

// A point of the formulas' frame (gear 1 at the origin, gear 2 at (a, 0)) where the pair is
// drawn: the same, or turned half round about the ring's centre when the ring is the
// current gear, so that it stands at the origin and the pinion at (a, 0).
static ModelPoint Drawn(const GearPair& pair, ModelPoint p) {
    if (!pair.swapped) {
        return p;
    }
    // 0 - y rather than -y: a point on the line of centres keeps a plain 0, never -0.
    return {pair.data.mesh.centreDistance - p.x, 0.0 - p.y};
}

PairProblem ComputeGearPair(const GearParameters& p, const GearCut& cut, const MateChoice& choice,
                            GearPair* pair) {
    const ParameterProblem accepted = ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
    pair->choice = choice;
    if (cut.internal && choice.cut.internal) {
        return Problem(accepted, kPairTwoRings, 0);
    }
    GearParameters mate = p;
    mate.toothCount = choice.toothCount;
    mate.profileShiftCoef = choice.shiftCoef;
    const ParameterProblem mateProblem = CheckGear(mate, choice.cut);
    if (mateProblem.rule != kRuleAccepted) {
        return Problem(mateProblem, kPairAccepted, 0);
    }
    pair->swapped = cut.internal;
    pair->input = InputOf(p, cut, choice, pair->swapped);
    ComputePairData(pair->input, &pair->data);
    if (pair->data.refusal != kPairAccepted) {
        return Problem(accepted, pair->data.refusal, pair->data.refusalLimit);
    }
    // Tips cut down for the clearance must still make sound teeth.
    const GearParameters firstCut = GearAsCut(pair->input, pair->data);
    const GearParameters secondCut = MateAsCut(pair->input, pair->data);
    const GearParameters& gearCut = pair->swapped ? secondCut : firstCut;
    const GearParameters& mateCut = pair->swapped ? firstCut : secondCut;
    const ParameterProblem gearAsCut = CheckGear(gearCut, cut);
    if (gearAsCut.rule != kRuleAccepted) {
        return Problem(gearAsCut, kPairAccepted, 0);
    }
    const ParameterProblem mateAsCut = CheckGear(mateCut, choice.cut);
    if (mateAsCut.rule != kRuleAccepted) {
        return Problem(mateAsCut, kPairAccepted, 0);
    }
    ComputeGear(gearCut, cut, &pair->gear);
    ComputeGear(mateCut, choice.cut, &pair->mate);
    // Gear 1 of the formulas at the origin, gear 2 at (a, 0), set in mesh and rolled.
    MeshGear first;
    MeshGear second;
    MeshGearOfGear(pair->swapped ? pair->mate : pair->gear, &first);
    MeshGearOfGear(pair->swapped ? pair->gear : pair->mate, &second);
    PlaceInMesh(&first, &second, pair->data.mesh.centreDistance);
    CheckMesh(first, second, kLeastMeshPositions, &pair->check);
    AddMeshCheckWarning(pair->check, &pair->data);
    const MeshGear& gearMesh = pair->swapped ? second : first;
    const MeshGear& mateMesh = pair->swapped ? first : second;
    const double half = pair->swapped ? kFullTurn / 2 : 0;
    pair->gearTurn = gearMesh.turn + half;
    pair->mateTurn = mateMesh.turn + half;
    pair->gear.placement = {Drawn(*pair, gearMesh.centre), pair->gearTurn};
    pair->mate.placement = {Drawn(*pair, mateMesh.centre), pair->mateTurn};
    pair->rollSteps = 0;
    return Problem(accepted, kPairAccepted, 0);
}

const PairSide& PairSideOf(const GearPair& pair, int which) {
    return (which == 0) != pair.swapped ? pair.data.gear : pair.data.mate;
}

bool IsInternalPair(const GearPair& pair) {
    return pair.data.kind == kInternalPair;
}

void RollGearPair(GearPair* pair, int steps) {
    pair->rollSteps = steps;
    const double gearRoll =
        -steps * (kFullTurn / pair->gear.parameters.toothCount) / kRollStepsPerPitch;
    // The pitch circles roll on each other by the same arc: the mate turns the other way
    // outside, the same way inside a ring.
    const double sense = IsInternalPair(*pair) ? 1 : -1;
    const double mateRoll =
        sense * gearRoll * pair->gear.parameters.toothCount / pair->mate.parameters.toothCount;
    pair->gear.placement.turn = pair->gearTurn + gearRoll;
    pair->mate.placement.turn = pair->mateTurn + mateRoll;
}

// The pitch point and the tangent points in the formulas' frame. Outside, the line of
// action passes the pitch point (rw1, 0) with the normal n = (cos aw, sin aw) and touches
// the base circles on either side; inside a ring the pitch point is (-rw1, 0), the normal
// (-cos aw, sin aw), and both tangent points lie on one side.
static void ActionFrame(const GearPair& pair, ModelPoint* pitch, ModelPoint* t1, ModelPoint* t2) {
    const double a = pair.data.mesh.centreDistance;
    const double c = cos(pair.data.mesh.alphaW);
    const double s = sin(pair.data.mesh.alphaW);
    const double rw1 = pair.data.gear.workingPitchDiameter / 2;
    const double rb1 = pair.data.gear.baseDiameter / 2;
    const double rb2 = pair.data.mate.baseDiameter / 2;
    if (IsInternalPair(pair)) {
        *pitch = {-rw1, 0};
        *t1 = {-rb1 * c, rb1 * s};
        *t2 = {a - rb2 * c, rb2 * s};
    } else {
        *pitch = {rw1, 0};
        *t1 = {rb1 * c, rb1 * s};
        *t2 = {a - rb2 * c, -rb2 * s};
    }
}

// The point reach along the line from the tangent point t toward the pitch point.
static ModelPoint Toward(ModelPoint t, ModelPoint pitch, double reach) {
    const double length = hypot(pitch.x - t.x, pitch.y - t.y);
    if (!(length > 0)) {
        return t;
    }
    return {t.x + reach * (pitch.x - t.x) / length, t.y + reach * (pitch.y - t.y) / length};
}

void ActiveContact(const GearPair& pair, ModelPoint* start, ModelPoint* end) {
    ModelPoint pitch;
    ModelPoint t1;
    ModelPoint t2;
    ActionFrame(pair, &pitch, &t1, &t2);
    // A tip circle crosses the line sqrt(ra^2 - rb^2) from its tangent point.
    auto reach = [](const PairSide& side) {
        return sqrt(fmax(0.0, Square(side.tipDiameter / 2) - Square(side.baseDiameter / 2)));
    };
    *start = Drawn(pair, Toward(t2, pitch, reach(pair.data.mate)));
    *end = Drawn(pair, Toward(t1, pitch, reach(pair.data.gear)));
}

// Outside, the tangent points bound the pitch point and the path of contact. Inside a ring
// both tangent points lie on one side of the pitch point, and the contact runs past the
// pinion's: the line then reaches from the ring's tangent point to the far end of the path.
void LineOfAction(const GearPair& pair, ModelPoint* start, ModelPoint* end) {
    ModelPoint pitch;
    ModelPoint t1;
    ModelPoint t2;
    ActionFrame(pair, &pitch, &t1, &t2);
    if (!IsInternalPair(pair)) {
        *start = Drawn(pair, t1);
        *end = Drawn(pair, t2);
        return;
    }
    ModelPoint points[4];
    points[0] = Drawn(pair, t1);
    points[1] = Drawn(pair, pitch);
    ActiveContact(pair, &points[2], &points[3]);
    *start = Drawn(pair, t2);
    *end = points[0];
    double farthest = 0;
    for (const ModelPoint& p : points) {
        const double d = hypot(p.x - start->x, p.y - start->y);
        if (d > farthest) {
            farthest = d;
            *end = p;
        }
    }
}

ModelPoint PitchPoint(const GearPair& pair) {
    ModelPoint pitch;
    ModelPoint t1;
    ModelPoint t2;
    ActionFrame(pair, &pitch, &t1, &t2);
    return Drawn(pair, pitch);
}
