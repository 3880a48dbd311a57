// The one-tooth view: the outline of one tooth, open at the root, enlarged.
#include "gear/gear_parameters.h"
#include "gear/gear_outline.h"
#include "win32/canvas.h"
#include "win32/drawings.h"
#include "win32/outline_drawing.h"
#include "ui/view_transform.h"

void DrawOneTooth(HWND window) {
    ClearCanvas();
    const double scale = ScaleToFit(300.0, gearGeometry.tipRadius - gearGeometry.rootRadius);
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    // The tip lies about 100 pixels below the top; the gear centre far below the window.
    viewTransform.originX = 300.0f;
    viewTransform.originY = PixelOrigin(viewTransform.scaleY * gearGeometry.tipRadius + 100.0);
    FlankPoints flank;
    GeneratedFlank(toothProfile, lastPointIndex, &flank);
    TraceGearOutline(canvas.canvasDC, flank, 1, {canvas.magentaPen, canvas.magentaPen, false});
    InvalidateRect(window, nullptr, TRUE);
}
