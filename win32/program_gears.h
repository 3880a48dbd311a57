// The gears the program holds: the current gear, the one last confirmed in the data dialog,
// which every view, file and report shows; and, when the designer has set one, its mate
// with the pair they make, rolled as the keys roll it.
#pragma once

#include "gear/gear_pair.h"
#include "gear/gear_value.h"

extern Gear currentGear;

// How the current gear is cut, as the designer chose it: a ring's rim 0 for its default,
// the root diameter plus 4 m, which follows the gear.
extern GearCut programCut;

struct ProgramMate {
    bool set;
    MateChoice choice;
    PairProblem problem;  // why the mate does not run with the current gear, if it does not
    GearPair pair;        // the pair, when the problem is none
};

extern ProgramMate programMate;

// The current gear from p, cut as programCut says (accepted by CheckGear); the mate's pair
// follows it.
void SetCurrentGear(const GearParameters& p);

// Cuts the current gear as cut says (accepted by CheckGear).
void SetCurrentCut(const GearCut& cut);

// Sets the mate (its pair accepted by ComputeGearPair), or removes it.
void SetMate(const MateChoice& choice);
void RemoveMate();

// Whether a mate is set and runs with the current gear.
bool PairReady();
