// The off-screen canvas: a screen-sized bitmap that holds the last picture, with the
// stock white brush and the five drawing pens. Painting only copies it to the window.
#pragma once

#include <windows.h>

struct Canvas {
    int canvasWidth;
    int canvasHeight;
    HDC canvasDC;
    HBITMAP canvasBitmap;
    HBRUSH whiteBrush;  // every clear, and the fill of every circle
    HPEN redPen;        // the first tooth of the whole gear
    HPEN bluePen;       // the other teeth and the segments that join them
    HPEN yellowPen;     // tip circle
    HPEN cyanPen;       // pitch circle
    HPEN magentaPen;    // one-tooth outline, root circle
    HPEN defaultPen;    // the context's own black pen: the centre cross
    HPEN greenPen;      // the mate of a pair
    HPEN grayDotPen;    // the working pitch circles of a pair
    HPEN heavyPen;      // the path of contact on the line of action
};

extern Canvas canvas;

void CreateCanvas(HWND window);
void ClearCanvas();
void PaintCanvas(HWND window);

// Safe to call again: a released canvas is not released twice.
void ReleaseCanvas();
