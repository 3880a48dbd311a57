// The three interferences of an external pinion inside a ring, by the closed-form conditions
// of SDP/SI section 5.2 (the same in KHK's tables): a ring tip that reaches below the
// pinion's base circle, a pinion tip that strikes the ring's tips as it leaves the mesh, and
// tips that lock when the pinion is slid in or out along the line of centres. No platform
// types.
//
// Does not: measure the cut outlines (mesh_check.h finds any overlap in the running mesh).
#pragma once

struct InternalInterference {
    bool involute;  // the ring's tip meets the pinion below its base circle
    bool trochoid;  // the pinion's tip strikes the ring's tips leaving the mesh
    bool trimming;  // the pair cannot be assembled along the line of centres
};

// Pinion z1 and ring z2 with tip and base diameters (the ring's tip circle is its inner
// one, outside its base circle), running at centre distance a and working pressure angle
// alphaW (radians).
InternalInterference CheckInternalInterference(double z1, double z2, double da1, double da2,
                                               double db1, double db2, double a, double alphaW);
