// The current gear with its mate as one value: the mate the designer chose, the pair's
// numbers, the check of the mesh on the teeth as cut, and both gears as cut for the pair,
// placed in mesh (the gear about the origin, the mate at (a, 0)) and rolled. The program
// and the tool compute it alike. No platform types.
#pragma once

#include "gear/gear_problem.h"
#include "gear/gear_value.h"
#include "gear/mesh_check.h"
#include "gear/pair_data.h"

// What the designer chooses of the mate; the rest comes from the current gear's cutter.
struct MateChoice {
    int toothCount;         // z2
    double shiftCoef;       // x2
    double centreDistance;  // a, drawing units; 0: the tight mesh from the shifts
    bool shortenTips;       // keep the standard root clearance by cutting both tips down
};

// Why a mate or a pair is refused: a field of the mate (its teeth, its shift, or a shared
// field of the cutter that does not suit it), or the pair's centre distance.
struct PairProblem {
    ParameterProblem mate;  // kRuleAccepted when the mate itself is sound
    PairRefusal pair;       // kPairAccepted when the pair runs
    double pairLimit;       // the centre distance (or shift sum) the refusal names
};

struct GearPair {
    MateChoice choice;
    PairInput input;
    PairData data;
    MeshCheck check;
    Gear gear;        // the current gear as cut for the pair (its tip shortened)
    Gear mate;        // the mate as cut
    double gearTurn;  // where the pair stands in mesh before any roll, radians
    double mateTurn;
    int rollSteps;  // how far the pair is rolled, in twentieths of the gear's pitch
};

// The mate chosen at the start: the gear's tooth count doubled, no shift, tight, unshortened.
MateChoice DefaultMateChoice(const GearParameters& gear);

// The tight centre distance of gear p with the mate of choice (its own centre distance
// ignored); 0 where there is none.
double TightCentreDistance(const GearParameters& p, const MateChoice& choice);

// Computes pair for gear p (accepted by CheckGearParameters) and the mate of choice. On a
// refusal pair holds nothing usable.
PairProblem ComputeGearPair(const GearParameters& p, const MateChoice& choice, GearPair* pair);

// Rolls the pair by steps twentieths of the gear's pitch (positive: the gear clockwise), the
// mate following by the tooth ratio.
void RollGearPair(GearPair* pair, int steps);

// The line of action's ends in the plane of the pair: the two points where it touches the
// base circles.
void LineOfAction(const GearPair& pair, ModelPoint* start, ModelPoint* end);

// The path of contact on the line of action: from where the mate's tip circle crosses it to
// where the gear's does, each end kept between the tangent points.
void ActiveContact(const GearPair& pair, ModelPoint* start, ModelPoint* end);

// The pitch point: where the working pitch circles touch on the line of centres.
ModelPoint PitchPoint(const GearPair& pair);
