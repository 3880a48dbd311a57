// Whether a set of gear parameters lies inside the domain where the profile generator,
// the drawings and the script are sound, and if not, which field is wrong and why.
// No platform types.
#pragma once

#include "model/gear_parameters.h"

const int kMaxToothCount = 9999;
const int kMaxInvoluteDivisions = 100;
const int kMaxFilletDivisions = 70;
// Bound on the magnitude of a module or coefficient: keeps every value readable back from
// the 79 characters of its dialog box and every printed coordinate a plain number.
const double kMaxMagnitude = 1000000.0;

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
};

struct ParameterProblem {
    ParameterRule rule;
    GearField field;
    double limit;  // the bound the field must respect, where the rule has one
};

ParameterProblem CheckGearParameters(const GearParameters& p);

// The first part of that check: each field on its own, whatever cuts the gear.
ParameterProblem CheckGearFields(const GearParameters& p);

// The record of a refusal, or of acceptance with kRuleAccepted.
ParameterProblem ParameterProblemOf(ParameterRule rule, GearField field, double limit);
