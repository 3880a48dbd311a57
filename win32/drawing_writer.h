// The "make DXF" and "make SVG" commands: ask where with the Save As dialog, write the
// drawing of the whole gear with the outline the settings choose, and say whether the file
// was made. Cancel writes nothing.
#pragma once

#include <windows.h>

#include "gear/gear_value.h"

void WriteDxfFile(HWND window, const Gear& gear);
void WriteSvgFile(HWND window, const Gear& gear);
