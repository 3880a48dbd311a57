// A refusal of gear data: the field at fault, the rule it breaks and the bound it must
// respect. The checks produce it; the messages put it into words. No platform types.
#pragma once

enum GearField {
    kFieldNone,
    kFieldToothCount,
    kFieldModule,
    kFieldPressureAngle,
    kFieldProfileShift,
    kFieldAddendum,
    kFieldDedendum,
    kFieldToolTipRadius,
    kFieldInvoluteDivisions,
    kFieldFilletDivisions,
    // The shaper cutter and the ring's rim.
    kFieldCutterTeeth,
    kFieldCutterShift,
    kFieldRimDiameter,
};

enum ParameterRule {
    kRuleAccepted,
    kRuleToothCountRange,     // 1 .. kMaxToothCount
    kRuleMagnitude,           // not a number, or beyond +-kMaxMagnitude
    kRuleModulePositive,      // m > 0
    kRulePressureAngleRange,  // 0 < alpha < 90
    kRuleToolTipRadiusNegative,
    kRuleInvoluteDivisionsRange,
    kRuleFilletDivisionsRange,
    kRuleToothDepth,              // ha + hf > 0; limit: the smallest dedendum, exclusive
    kRuleTipRadius,               // tip radius > 0; limit: the smallest addendum, exclusive
    kRuleTipInsideBaseCircle,     // limit: the smallest addendum, inclusive
    kRuleRootRadius,              // root radius > 0; limit: the largest dedendum, exclusive
    kRuleRoundingAbovePitchLine,  // cy < 0; limit: the largest profile shift, exclusive
    kRuleRoundingTooWide,         // |cx| < pi/2; limit: the largest tip radius coefficient
    kRuleCutterToothTooDeep,      // no rounding fits; limit: the largest dedendum
    kRulePointedTooth,            // the involute must stay left of the centre line
    kRuleNotComputable,           // radii or profile would not be finite
    // Rules on the profile as computed and the outline as the script writes it.
    kRuleProfileOffCircles,       // point 0 on the root circle, the last on the tip circle
    kRuleProfileBeyondTip,        // every point between the root and the tip circle
    kRuleFlankCrossesCentreLine,  // fillet and undercut stay left of the centre line
    kRuleFlankEntersNeighbour,    // ... and inside the tooth's half pitch
    kRuleInvoluteTurnsBack,       // the involute's radius falls at most once, then rises
    kRuleArcTooWide,              // tip and gap arcs sweep less than one pitch
    kRuleModuleTooSmall,          // neighbouring points print apart; limit: smallest module
    kRulePointsCoincide,          // ... and no module in range would part them
    // Rules of the shaper cutter and the ring.
    kRuleRingTipInsideBaseCircle,    // limit: the largest addendum, inclusive
    kRuleRoundingInsideCutterBase,   // limit: the least cutter shift, inclusive
    kRuleNoCuttingMeshAbove,         // no cutting mesh; limit: the least cutter shift
    kRuleNoCuttingMeshBelow,         // ... for a ring; limit: the largest cutter shift
    kRuleRoundingInsideCutterPitch,  // the fillet would not start on the root circle; limit:
                                     // the least dedendum, exclusive
    kRuleRingTrimmed,                // the cutter trims the ring; limit: the least tooth count
    kRuleRingTrimmedByAnyCount,      // ... and no ring of up to kMaxToothCount teeth escapes
    kRuleRimInsideRoot,              // limit: the root diameter, exclusive
    kRuleRimTooLarge,                // limit: the largest rim diameter, inclusive
};

struct ParameterProblem {
    ParameterRule rule;
    GearField field;
    double limit;  // the bound the field must respect, where the rule has one
};

// The record of a refusal, or of acceptance with kRuleAccepted.
ParameterProblem ParameterProblemOf(ParameterRule rule, GearField field, double limit);
