// The one-tooth view: the outline of one tooth, open at the root, enlarged.
#include "gear/gear_outline.h"
#include "win32/canvas.h"
#include "win32/drawings.h"
#include "win32/outline_drawing.h"
#include "ui/view_transform.h"

void DrawOneTooth(HWND window, const Gear& gear) {
    ClearCanvas();
    const GearGeometry& g = gear.geometry;
    // A ring's tooth points toward the centre: its root circle is the outer one.
    const double outer = IsRing(gear) ? g.rootRadius : g.tipRadius;
    const double inner = IsRing(gear) ? g.tipRadius : g.rootRadius;
    const double scale = ScaleToFit(300.0, outer - inner);
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    // The tooth's outer end lies about 100 pixels below the top; the gear centre far below.
    viewTransform.originX = 300.0f;
    viewTransform.originY = PixelOrigin(viewTransform.scaleY * outer + 100.0);
    FlankPoints flank;
    GeneratedFlank(gear.profile, GearLastIndex(gear), &flank);
    TraceGearOutline(canvas.canvasDC, flank, 1, gear.placement,
                     {canvas.magentaPen, canvas.magentaPen, false});
    InvalidateRect(window, nullptr, TRUE);
}
