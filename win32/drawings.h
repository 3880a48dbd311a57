// The pictures of a gear, drawn onto the canvas.
#pragma once

#include <windows.h>

#include "gear/gear_value.h"

// One tooth, enlarged so that its depth spans at most 300 pixels.
void DrawOneTooth(HWND window, const Gear& gear);

// Tip, pitch and root circles, the centre cross and the closed outline of all teeth.
void DrawWholeGear(HWND window, const Gear& gear);
