// The drawing script: CAD command input that draws the whole gear as two reference
// circles and one closed outline of line runs along the flanks and arcs over the tips and
// across the gaps; the construction circle is left out where its radius prints as 0 or
// less at six decimals.
// The same bytes from every build: CR LF line ends, "%f" numbers.
// No platform types.
#pragma once

#include "output/output_sink.h"
#include "gear/gear_value.h"

// Puts the whole script of gear into sink, drawn about the gear's centre. False when a
// write failed, or when L is below 2 or beyond the profile, which the LINE runs cannot
// express.
bool WriteDrawingScript(OutputSink* sink, const Gear& gear);
