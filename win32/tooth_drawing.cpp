// The one-tooth view: the outline of one tooth, open at the root, enlarged.
#include "gear/gear_outline.h"
#include "win32/canvas.h"
#include "win32/drawings.h"
#include "win32/outline_drawing.h"
#include "ui/view_transform.h"

void DrawOneTooth(HWND window, const Gear& gear) {
    ClearCanvas();
    const GearGeometry& g = gear.geometry;
    const double scale = ScaleToFit(300.0, g.tipRadius - g.rootRadius);
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    // The tip lies about 100 pixels below the top; the gear centre far below the window.
    viewTransform.originX = 300.0f;
    viewTransform.originY = PixelOrigin(viewTransform.scaleY * g.tipRadius + 100.0);
    FlankPoints flank;
    GeneratedFlank(gear.profile, GearLastIndex(gear), &flank);
    TraceGearOutline(canvas.canvasDC, flank, 1, gear.placement,
                     {canvas.magentaPen, canvas.magentaPen, false});
    InvalidateRect(window, nullptr, TRUE);
}
