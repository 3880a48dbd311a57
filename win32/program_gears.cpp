#include "win32/program_gears.h"

Gear currentGear;
ProgramMate programMate;

// The pair of the current gear and the mate, from scratch.
static void ComputeProgramPair() {
    programMate.problem =
        ComputeGearPair(currentGear.parameters, programMate.choice, &programMate.pair);
}

void SetCurrentGear(const GearParameters& p) {
    ComputeGear(p, &currentGear);
    if (programMate.set) {
        ComputeProgramPair();
    }
}

void SetMate(const MateChoice& choice) {
    programMate.set = true;
    programMate.choice = choice;
    ComputeProgramPair();
}

void RemoveMate() {
    programMate.set = false;
}

bool PairReady() {
    return programMate.set && programMate.problem.mate.rule == kRuleAccepted &&
           programMate.problem.pair == kPairAccepted;
}
