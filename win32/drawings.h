// The pictures of a gear, drawn onto the canvas.
#pragma once

#include <windows.h>

#include "gear/gear_value.h"
#include "win32/program_gears.h"

// One tooth, enlarged so that its depth spans at most 300 pixels.
void DrawOneTooth(HWND window, const Gear& gear);

// Tip, pitch and root circles, the centre cross and the closed outline of all teeth.
void DrawWholeGear(HWND window, const Gear& gear);

// Both gears of the pair whole, scaled to fit, with both working pitch circles, the pitch
// point and the line of action; without a pair, why there is none.
void DrawGearPair(HWND window, const ProgramMate& mate);

// The meshing teeth enlarged around the pitch point, with the line of action, the path of
// contact, the form circles and a red mark where the cut outlines overlap.
void DrawMeshZone(HWND window, const ProgramMate& mate);
