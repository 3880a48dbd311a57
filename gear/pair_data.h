// The numbers a designer needs to run a gear with its mate: the working pressure angle and
// centre distance, backlash, tip shortening, working pitch circles, root clearances, contact
// ratio and the start of the active profile on each gear, and the warnings they call for.
// Both gears are cut by one cutter (module, pressure angle, addendum, dedendum, tip radius);
// a ring is cut by a shaper elsewhere, so its root and form circles are given. No platform
// types.
//
// Does not: check either gear (CheckGearParameters must have accepted gear 1 and, for an
// external pair, MateParameters), measure the cut outlines (pair_mesh.h does), or write text.
#pragma once

#include "gear/contact_path.h"
#include "gear/internal_interference.h"
#include "gear/working_mesh.h"
#include "gear/gear_parameters.h"

struct PairInput {
    GearParameters gear;      // gear 1, the pinion of an internal pair, and the cutter
    int mateToothCount;       // z2
    double mateShiftCoef;     // x2; a ring's counts outward
    PairKind kind;            // internal: the mate is a ring around gear 1
    double centreDistance;    // a in drawing units; 0 for the tight mesh
    bool shortenTips;         // external pairs: cut both tips down by k m to keep the clearance
    double ringRootDiameter;  // internal pairs: d_f2, from the ring's shaper cutter
    double ringFormDiameter;  // internal pairs: where the ring's involute ends outward; 0: d_f2
    // An external gear cut by a shaper has its own root and form circles; 0: the rack's.
    double gearRootDiameter;
    double gearFormDiameter;
    double mateRootDiameter;
    double mateFormDiameter;
};

enum PairRefusal {
    kPairAccepted,
    kPairRingTooSmall,            // the ring needs more teeth than the pinion; limit: z1 + 1
    kPairRingTipInsideBase,       // the ring's tip circle lies inside its base circle
    kPairRingRootInsideTip,       // the given ring root is not outside its tip circle
    kPairNoWorkingPressureAngle,  // limit: the least centre distance a0 cos(a), or for a
                                  // tight mesh the least shift sum (internal x2 - x1)
    kPairCentreDistanceTooSmall,  // negative backlash; limit: the tight (least) distance
    kPairCentreDistanceTooLarge,  // internal: negative backlash; limit: the tight (largest)
    kPairTwoRings,                // a ring's mate must be an external gear
};

enum PairWarning {
    kPairContactOffForm,          // the mate's tip meets gear 1 below its form circle
    kPairMateContactOffForm,      // gear 1's tip meets the mate off its involute
    kPairOutlinesOverlap,         // the cut outlines overlap in the running mesh (pair_mesh.h)
    kPairLowContactRatio,         // eps_a below kLeastContactRatio
    kPairSmallRootClearance,      // under gear 1's root, below kLeastRootClearanceCoef m
    kPairMateSmallRootClearance,  // under the mate's root
    kPairThinTip,                 // gear 1's tip, after shortening, below kThinTipCoef m
    kPairMateThinTip,
    kPairInvoluteInterference,  // internal pairs, by the formulas of the three interferences
    kPairTrochoidInterference,
    kPairTrimmingInterference,
};

const int kMaxPairWarnings = 11;

// Below this the pair runs with too little overlap of successive teeth.
const double kLeastContactRatio = 1.2;

// A root clearance below this many modules leaves no room for oil and dirt.
const double kLeastRootClearanceCoef = 0.1;

// One gear of the pair as it runs, diameters in drawing units.
struct PairSide {
    double baseDiameter;
    double tipDiameter;  // after shortening; a ring's inner circle
    double rootDiameter;
    double formDiameter;          // dFf: where the involute meets the fillet or the undercut
    double workingPitchDiameter;  // d_w: the circle that rolls on the mate's
    double rootClearance;         // c: from this root circle to the mate's tip circle
    double tipThickness;          // arc on the tip circle
    double activeProfileStart;    // d_Nf: where the mate's tip meets this flank
};

struct PairData {
    PairRefusal refusal;
    double refusalLimit;
    PairKind kind;
    WorkingMesh mesh;
    double tipShortening;  // k, multiple of m: x1 + x2 - y when shortened and positive, else 0
    PairSide gear;
    PairSide mate;
    double contactRatio;                // eps_a
    double usableContactRatio;          // where both flanks are involute
    InternalInterference interference;  // internal pairs only; all false for external ones
    int warningCount;
    PairWarning warnings[kMaxPairWarnings];
};

// The mate as its own gear: z2 and x2 cut by gear 1's cutter.
GearParameters MateParameters(const PairInput& input);

// Gear 1 and the mate as cut for the pair: addenda shortened by data's k (roots unchanged).
GearParameters GearAsCut(const PairInput& input, const PairData& data);
GearParameters MateAsCut(const PairInput& input, const PairData& data);

void ComputePairData(const PairInput& input, PairData* data);

bool HasPairWarning(const PairData& data, PairWarning warning);

void AddPairWarning(PairData* data, PairWarning warning);
