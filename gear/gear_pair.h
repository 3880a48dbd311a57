// The current gear with its mate as one value: the mate the designer chose (its teeth, shift
// and cutter; a ring around an external gear, or an external gear inside a ring), the pair's
// numbers, the check of the mesh on the teeth as cut, and both gears as cut for the pair,
// placed in mesh (the current gear about the origin, the mate at (a, 0)) and rolled. The
// program and the tool compute it alike. No platform types.
#pragma once

#include "gear/gear_problem.h"
#include "gear/gear_value.h"
#include "gear/mesh_check.h"
#include "gear/pair_data.h"

// What the designer chooses of the mate; module, pressure angle, addendum, dedendum, tip
// radius and divisions come from the current gear.
struct MateChoice {
    int toothCount;         // z2
    double shiftCoef;       // x2 (a ring's counts outward)
    double centreDistance;  // a, drawing units; 0: the tight mesh from the shifts
    bool shortenTips;       // external pairs: keep the standard root clearance
    GearCut cut;            // the mate's own cutter, and whether it is a ring
};

// Why a mate or a pair is refused: a field of the mate (its teeth, its shift, its cutter, or
// a shared field that does not suit it), or the pair (its centre distance, its rings).
struct PairProblem {
    ParameterProblem mate;  // kRuleAccepted when the mate itself is sound
    PairRefusal pair;       // kPairAccepted when the pair runs
    double pairLimit;       // the centre distance, shift sum or tooth count the refusal names
};

struct GearPair {
    MateChoice choice;
    bool swapped;  // the current gear is the ring: the formulas' gear 1 is the mate
    PairInput input;
    PairData data;  // gear 1 of the formulas first; SideOf gives the current gear's
    MeshCheck check;
    Gear gear;        // the current gear as cut for the pair (its tip shortened)
    Gear mate;        // the mate as cut
    double gearTurn;  // where the pair stands in mesh before any roll, radians
    double mateTurn;
    int rollSteps;  // how far the pair is rolled, in twentieths of the current gear's pitch
};

// The mate chosen at the start: for an external gear twice its teeth, unshifted, tight, cut
// by the rack; for a ring an external pinion of half its teeth.
MateChoice DefaultMateChoice(const GearParameters& gear, const GearCut& cut);

// The tight centre distance of the pair (the choice's own distance ignored); 0 where none.
double TightCentreDistance(const GearParameters& p, const GearCut& cut, const MateChoice& choice);

// Computes pair for gear p cut as cut says (accepted by CheckGear) and the mate of choice.
// On a refusal pair holds nothing usable.
PairProblem ComputeGearPair(const GearParameters& p, const GearCut& cut, const MateChoice& choice,
                            GearPair* pair);

// The pair data of the current gear (which 0) or of the mate (1).
const PairSide& PairSideOf(const GearPair& pair, int which);

// Whether the pair is an external gear inside a ring.
bool IsInternalPair(const GearPair& pair);

// Rolls the pair to steps twentieths of the current gear's pitch from the start (positive:
// that gear clockwise), the mate following by the tooth ratio.
void RollGearPair(GearPair* pair, int steps);

// The line of action's ends in the plane of the pair: outside, where it touches the base
// circles; inside a ring, from where it touches the ring's base circle to the farthest of the
// pinion's tangent point, the pitch point and the path of contact.
void LineOfAction(const GearPair& pair, ModelPoint* start, ModelPoint* end);

// The path of contact on the line of action, from where the one tip circle crosses it to
// where the other does.
void ActiveContact(const GearPair& pair, ModelPoint* start, ModelPoint* end);

// The pitch point: where the working pitch circles touch on the line of centres.
ModelPoint PitchPoint(const GearPair& pair);
