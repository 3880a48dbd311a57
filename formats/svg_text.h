// The gear as an SVG picture: the manufacturing outline as one closed path of lines along
// the flanks and true arcs over the tips and across the gaps, and the reference circles and
// centre cross thin in a group of their own, each with a class. The view box is in the
// gear's units, one unit a millimetre, y pointing up as in the program so that the first
// tooth stands on top. Numbers with six decimals, LF line ends. No platform types.
#pragma once

#include "formats/cad_drawing.h"
#include "output/output_sink.h"

// Puts the whole file into sink. False when a write failed or the drawing's counts do not
// describe a profile.
bool WriteSvgDrawing(OutputSink* sink, const CadDrawing& drawing);
