#include "gear/gear_pair.h"

#include <cmath>

#include "gear/mesh_gear.h"
#include "gear/pair_mesh.h"
#include "gear/parameter_check.h"

// A twentieth of a pitch: the step of the roll.
static const int kRollStepsPerPitch = 20;

MateChoice DefaultMateChoice(const GearParameters& gear) {
    MateChoice choice;
    choice.toothCount =
        gear.toothCount * 2 <= kMaxToothCount ? gear.toothCount * 2 : gear.toothCount;
    choice.shiftCoef = 0;
    choice.centreDistance = 0;
    choice.shortenTips = false;
    return choice;
}

static PairInput InputOf(const GearParameters& p, const MateChoice& choice) {
    PairInput input = {};
    input.gear = p;
    input.mateToothCount = choice.toothCount;
    input.mateShiftCoef = choice.shiftCoef;
    input.kind = kExternalPair;
    input.centreDistance = choice.centreDistance;
    input.shortenTips = choice.shortenTips;
    return input;
}

double TightCentreDistance(const GearParameters& p, const MateChoice& choice) {
    const PairTeeth teeth = {kExternalPair,
                             static_cast<double>(p.toothCount),
                             p.profileShiftCoef,
                             static_cast<double>(choice.toothCount),
                             choice.shiftCoef,
                             p.module,
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

PairProblem ComputeGearPair(const GearParameters& p, const MateChoice& choice, GearPair* pair) {
    const ParameterProblem accepted = ParameterProblemOf(kRuleAccepted, kFieldNone, 0);
    pair->choice = choice;
    pair->input = InputOf(p, choice);
    const ParameterProblem mate = CheckGearParameters(MateParameters(pair->input));
    if (mate.rule != kRuleAccepted) {
        return Problem(mate, kPairAccepted, 0);
    }
    ComputePairData(pair->input, &pair->data);
    if (pair->data.refusal != kPairAccepted) {
        return Problem(accepted, pair->data.refusal, pair->data.refusalLimit);
    }
    // Tips cut down for the clearance must still make sound teeth.
    const GearParameters gearCut = GearAsCut(pair->input, pair->data);
    const GearParameters mateCut = MateAsCut(pair->input, pair->data);
    const ParameterProblem gearAsCut = CheckGearParameters(gearCut);
    if (gearAsCut.rule != kRuleAccepted) {
        return Problem(gearAsCut, kPairAccepted, 0);
    }
    const ParameterProblem mateAsCut = CheckGearParameters(mateCut);
    if (mateAsCut.rule != kRuleAccepted) {
        return Problem(mateAsCut, kPairAccepted, 0);
    }
    CheckPairMesh(pair->input, &pair->data, &pair->check);
    // The drawn gears stand as the mesh check placed them.
    MeshGear gearMesh;
    MeshGear mateMesh;
    RackCutMeshGear(gearCut, &gearMesh);
    RackCutMeshGear(mateCut, &mateMesh);
    PlaceInMesh(&gearMesh, &mateMesh, pair->data.mesh.centreDistance);
    ComputeGear(gearCut, &pair->gear);
    ComputeGear(mateCut, &pair->mate);
    pair->gearTurn = gearMesh.turn;
    pair->mateTurn = mateMesh.turn;
    pair->gear.placement = {gearMesh.centre, gearMesh.turn};
    pair->mate.placement = {mateMesh.centre, mateMesh.turn};
    pair->rollSteps = 0;
    return Problem(accepted, kPairAccepted, 0);
}

void RollGearPair(GearPair* pair, int steps) {
    pair->rollSteps = steps;
    const double gearRoll =
        -steps * (kFullTurn / pair->gear.parameters.toothCount) / kRollStepsPerPitch;
    // The pitch circles roll on each other: the mate turns the other way by the same arc.
    const double mateRoll =
        -gearRoll * pair->gear.parameters.toothCount / pair->mate.parameters.toothCount;
    pair->gear.placement.turn = pair->gearTurn + gearRoll;
    pair->mate.placement.turn = pair->mateTurn + mateRoll;
}

void LineOfAction(const GearPair& pair, ModelPoint* start, ModelPoint* end) {
    // The gears stand on the x axis, the gear at the origin. The line of action passes
    // through the pitch point inclined by the working pressure angle to the common tangent
    // there, and touches each base circle where its normal n = (cos aw, sin aw) points.
    const double a = pair.data.mesh.centreDistance;
    const double c = cos(pair.data.mesh.alphaW);
    const double s = sin(pair.data.mesh.alphaW);
    const double rb1 = pair.data.gear.baseDiameter / 2;
    const double rb2 = pair.data.mate.baseDiameter / 2;
    *start = {rb1 * c, rb1 * s};
    *end = {a - rb2 * c, -rb2 * s};
}

void ActiveContact(const GearPair& pair, ModelPoint* start, ModelPoint* end) {
    ModelPoint t1;
    ModelPoint t2;
    LineOfAction(pair, &t1, &t2);
    const double length = hypot(t2.x - t1.x, t2.y - t1.y);
    // Along the line from a tangent point, the distance to a tip circle's crossing is
    // sqrt(ra^2 - rb^2).
    auto along = [&](double tipDiameter, double baseDiameter) {
        const double reach = sqrt(fmax(0.0, Square(tipDiameter / 2) - Square(baseDiameter / 2)));
        return fmin(1.0, reach / length);
    };
    const double first = 1 - along(pair.data.mate.tipDiameter, pair.data.mate.baseDiameter);
    const double last = along(pair.data.gear.tipDiameter, pair.data.gear.baseDiameter);
    *start = {t1.x + first * (t2.x - t1.x), t1.y + first * (t2.y - t1.y)};
    *end = {t1.x + last * (t2.x - t1.x), t1.y + last * (t2.y - t1.y)};
}

ModelPoint PitchPoint(const GearPair& pair) {
    return {pair.data.gear.workingPitchDiameter / 2, 0};
}
