// Circles and lines drawn onto the canvas in model coordinates, through the view transform.
#pragma once

#include <windows.h>

#include "gear/tooth_profile.h"

// A circle in pen about centre; filled with the canvas's white (a later circle then hides
// what an earlier drew inside), or hollow.
void DrawCanvasCircle(HPEN pen, ModelPoint centre, double radius, bool filled);

// A line from a to b in the pen selected.
void DrawCanvasLine(ModelPoint a, ModelPoint b);

// Text at pixel (x, y) in the language's font.
void DrawCanvasText(int x, int y, const char* text);
