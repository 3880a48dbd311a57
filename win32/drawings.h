// The two pictures of the gear, drawn onto the canvas from the current profile.
#pragma once

#include <windows.h>

// One tooth, enlarged so that its depth spans at most 300 pixels.
void DrawOneTooth(HWND window);

// Tip, pitch and root circles, the centre cross and the closed outline of all teeth.
void DrawWholeGear(HWND window);
