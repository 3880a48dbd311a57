// A tolerance refused for the outline of the DXF and SVG files, put into words: the head
// naming the box, then what the tolerance needs for the gear, in either language. No
// platform types.
#pragma once

#include <cstddef>

#include "gear/gear_parameters.h"
#include "ui/catalogue.h"

void FormatToleranceRefusal(const GearParameters& p, Language language, char* text, size_t size);
