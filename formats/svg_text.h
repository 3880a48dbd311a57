// The gear as an SVG picture: the manufacturing outline as one closed path of the flanks'
// fitted arcs (or chords) and true arcs over the tips and across the gaps, and the
// reference circles and centre cross in a group of their own, each with a class. Where one
// path's data would pass what libxml2 reads of an attribute (10 MB), the outline is
// several paths of whole teeth joined end to end. The view box is in the gear's units, one
// unit a millimetre, y pointing up as in the program so that the first tooth stands on top;
// lines 0.1 mm (outline) and 0.05 mm (references) wide at real size. Numbers with six
// decimals, more on a fitted outline whose tolerance needs them; LF line ends. No platform
// types.
#pragma once

#include "formats/cad_drawing.h"
#include "output/output_sink.h"

// Puts the whole file into sink. False when a write failed or the drawing's counts do not
// describe a profile.
bool WriteSvgDrawing(OutputSink* sink, const CadDrawing& drawing);
