// The gear as a DXF R12 (AC1009) drawing, written with dxflib: the reference circles and
// the centre cross each on its own layer, and the manufacturing outline as one closed
// POLYLINE on layer OUTLINE whose vertices carry the bulge of the piece after them: the
// fitted arcs (or the chords) of the flanks and the tip and gap arcs. One drawing unit is
// one unit of the module. CR LF line ends and reals in the fewest digits that read back
// exactly, the same from every build. No platform types.
#pragma once

#include "formats/cad_drawing.h"
#include "output/output_sink.h"

// Puts the whole file into sink. False when a write failed or the drawing's counts do not
// describe a profile.
bool WriteDxfDrawing(OutputSink* sink, const CadDrawing& drawing);
