// The "make DXF" and "make SVG" commands, for the gear or the pair: ask where with the Save
// As dialog, write the drawing of the whole gear (or of both gears in mesh, as the Gear Pair
// view stands them) with the outline the settings choose, and say whether the file was
// made. Cancel writes nothing.
#pragma once

#include <windows.h>

#include "gear/gear_pair.h"
#include "gear/gear_value.h"

void WriteDxfFile(HWND window, const Gear& gear);
void WriteSvgFile(HWND window, const Gear& gear);
void WritePairDxfFile(HWND window, const GearPair& pair);
void WritePairSvgFile(HWND window, const GearPair& pair);
