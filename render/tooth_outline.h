// The unrotated outline of one tooth, shared by both drawings.
#pragma once

#include <windows.h>

// Moves to the root point of the stored flank, then draws lines up to its tip point,
// across the tip, and down the mirrored flank to its root point.
void TraceToothOutline(HDC dc, int last);
