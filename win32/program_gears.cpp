#include "win32/program_gears.h"

Gear currentGear;
GearCut programCut = {kRackCutter, false, DefaultShaperCut(false).cutterTeeth, 0.0, 0.0};
ProgramMate programMate;

// The pair of the current gear and the mate, from scratch.
static void ComputeProgramPair() {
    programMate.problem =
        ComputeGearPair(currentGear.parameters, programCut, programMate.choice, &programMate.pair);
}

void SetCurrentGear(const GearParameters& p) {
    ComputeGear(p, programCut, &currentGear);
    if (programMate.set) {
        ComputeProgramPair();
    }
}

void SetCurrentCut(const GearCut& cut) {
    programCut = cut;
    SetCurrentGear(currentGear.parameters);
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
