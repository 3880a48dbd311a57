// The cutting mesh of a pinion-type shaper cutter with the gear it cuts, an external gear or
// a ring (internal gear), and the roll angles of the flank it generates: where the cutter's
// tip rounding leaves the root circle, where its fillet meets the involute, where the
// involute reaches the tip circle. No platform types.
//
// The cutter is an involute gear of z0 teeth and shift x0 whose addendum is the gear's
// dedendum hf and whose tip is rounded with the gear's cutter tip radius rho, as the rack's
// is. A ring's profile shift counts outward: a positive x widens its tooth space and grows
// its tip and root circles.
//
// Does not: check the data (CheckShaperCut does), compute the profile's points
// (shaper_profile does) or the form circle of an undercut tooth (shaper_form_circle does).
#pragma once

#include "gear/gear_parameters.h"

struct ShaperSetup {
    bool ring;               // the gear is a ring: its teeth point inward, its body is outside
    int cutterTeeth;         // z0
    double cutterShiftCoef;  // x0, multiple of m
    double rimDiameter;      // a ring's outer diameter, in drawing units
};

// Lengths in drawing units, angles in radians. The frame is the gear's as the profile
// stores it (its tooth on the +y axis); the roll angle turns the gear anticlockwise in the
// cutting mesh, whose centres stay on the +y axis: the cutter's at (0, a0), the pitch point
// at (0, r_w).
struct ShaperCutting {
    double sense;                      // +1 for an external gear, -1 for a ring
    double ratio;                      // z / z0: the cutter's turn per turn of the gear
    double pressureAngle;              // a_w0 of the cutting mesh
    double centreDistance;             // a0
    double pitchRadius;                // r_w: the gear's circle rolling on the cutter's
    double baseRadius;                 // r_b = z m cos(a) / 2
    double tipRadius;                  // external: m (z/2 + ha + x); ring: m (z/2 - ha + x)
    double rootRadius;                 // the envelope of the cutter's tip circle: a0 -+ r_a0
    double cutterTipRadius;            // r_a0 = m (z0/2 + hf + x0)
    double cutterBaseRadius;           // r_b0 = z0 m cos(a) / 2
    double roundingRadius;             // rho m
    double roundingCentreRadius;       // r_a0 - rho m, from the cutter's axis
    double roundingCentreAngle;        // from the middle of the cutter's space at roll 0
    double involuteStart;              // where the flank's involute leaves the base circle, as an
                                       // angle clockwise from +y
    double transitionDistance;         // from the gear's interference point to the fillet's end,
                                       // along the line of action: negative when undercut
    double cutterInterferenceRadius;   // the gear's circle through the cutter's interference
                                       // point: the cutter's involute reaches no further
    bool tipBeyondCutterInterference;  // the tip lies past it: the cutter's flank below its
                                       // base circle shapes the tip, which its data leave open
    double rollStart;                  // the root point: the rounding's centre on the +y axis
    double rollTransition;             // the fillet meets the involute
    double rollEnd;                    // the involute reaches the tip circle
};

// The angle of the cutter's tip rounding centre from the centre line of its tooth, for a
// cutter of z0 teeth, shift x0, addendum hf and tip radius rho (multiples of m): positive
// while the rounding stays on its own flank's side of the tooth. NaN when the centre would
// lie inside the cutter's base circle, where no rounding touches the involute flank.
double CutterRoundingAngle(double z0, double x0, double hf, double rho, double alpha);

// The working pressure angle a_w0 of the mesh that cuts p: inv a_w0 = 2 tan a (x +- x0) /
// (z +- z0) + inv a (a ring: x - x0 and z - z0). 0 when no such mesh exists.
double CuttingPressureAngle(const GearParameters& p, const ShaperSetup& setup);

// The cutting mesh and the roll angles for p (accepted by CheckShaperCut).
ShaperCutting ComputeShaperCutting(const GearParameters& p, const ShaperSetup& setup);

// The roll angle at which the involute's contact lies this far from the gear's interference
// point along the line of action (negative: on the undercut branch).
double ShaperInvoluteRoll(const ShaperCutting& c, double distance);

// A ring's rim when none is given: the root diameter and two modules of body.
double DefaultRimDiameter(const GearParameters& p, const ShaperSetup& setup);
