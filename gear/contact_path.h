// The path of contact along the line of action of a running pair: where each tip meets the
// mate's flank, the transverse contact ratio, and the part of the path on which both flanks
// are involute. No platform types.
//
// Does not: find the working pressure angle (working_mesh.h), look at the cut outlines
// (mesh_check.h).
#pragma once

#include "gear/working_mesh.h"

// One gear's circles as the contact sees them, diameters in drawing units. A ring's tip
// circle is its inner circle, and its involute runs outward from there to its form circle.
struct ContactCircles {
    double baseDiameter;
    double tipDiameter;
    double formDiameter;  // dFf: where the involute meets the fillet or the undercut
};

struct ContactPath {
    double length;              // g_a, from the mate's tip to gear 1's tip
    double contactRatio;        // eps_a = g_a / p_b
    double usableContactRatio;  // the part of g_a where both flanks are involute, over p_b
    double activeStart1;        // d_Nf1: where the mate's tip meets gear 1 (at most d_b1)
    double activeStart2;        // d_Nf2: where gear 1's tip meets the mate
    bool offForm1;              // contact begins below gear 1's form circle
    bool offForm2;              // ... below the mate's (a ring: beyond it, toward its root)
};

// The path of gear 1 with gear 2 at centre distance a and working pressure angle alphaW
// (radians); basePitch p_b = pi m cos(a).
ContactPath ComputeContactPath(PairKind kind, const ContactCircles& gear1,
                               const ContactCircles& gear2, double a, double alphaW,
                               double basePitch);
