// The drawing script: CAD command input that draws the whole gear as two reference
// circles and one closed outline of line runs along the flanks and arcs over the tips and
// across the gaps; the construction circle is left out where its radius prints as 0 or
// less at six decimals.
// The same bytes from every build: CR LF line ends, "%f" numbers.
// No platform types.
#pragma once

#include "output/output_sink.h"
#include "gear/tooth_profile.h"

struct DrawingScript {
    const GearGeometry* geometry;
    const ToothProfile* profile;
    int lastIndex;   // L: points 0..L of the profile
    int toothCount;  // N
    double centreX;  // the gear centre that every circle and arc is drawn about
    double centreY;
};

// Puts the whole script into sink. False when a write failed, or when L is below 2 or
// beyond the profile, which the LINE runs cannot express.
bool WriteDrawingScript(OutputSink* sink, const DrawingScript& script);
