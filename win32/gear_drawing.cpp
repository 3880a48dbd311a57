// The whole-gear view: the three circles, the centre cross and every tooth, each the
// profile turned clockwise by whole pitches, joined into one closed outline.
#include "gear/gear_outline.h"
#include "win32/canvas.h"
#include "win32/drawings.h"
#include "win32/outline_drawing.h"
#include "ui/view_transform.h"

// Outline in pen, inside filled white: a later circle hides what an earlier drew inside.
static void DrawCircle(HPEN pen, double radius) {
    SelectObject(canvas.canvasDC, pen);
    Ellipse(canvas.canvasDC, ToScreenX(-radius), ToScreenY(-radius), ToScreenX(radius),
            ToScreenY(radius));
}

static void DrawLine(double x0, double y0, double x1, double y1) {
    MoveToEx(canvas.canvasDC, ToScreenX(x0), ToScreenY(y0), nullptr);
    LineTo(canvas.canvasDC, ToScreenX(x1), ToScreenY(y1));
}

void DrawWholeGear(HWND window, const Gear& gear) {
    ClearCanvas();
    const GearGeometry& g = gear.geometry;
    const double scale = ScaleToFit(550.0, g.tipRadius + g.tipRadius);
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    viewTransform.originX = 300.0f;
    viewTransform.originY = 275.0f;
    DrawCircle(canvas.yellowPen, g.tipRadius);
    DrawCircle(canvas.cyanPen, g.pitchRadius);
    DrawCircle(canvas.magentaPen, g.rootRadius);
    // The centre cross, two model units each way whatever the scale.
    SelectObject(canvas.canvasDC, canvas.defaultPen);
    DrawLine(0, -2, 0, 2);
    DrawLine(-2, 0, 2, 0);

    // The first tooth red, the others blue, the gaps crossed by straight lines, closed.
    FlankPoints flank;
    GeneratedFlank(gear.profile, GearLastIndex(gear), &flank);
    TraceGearOutline(canvas.canvasDC, flank, g.drawnToothCount,
                     {canvas.redPen, canvas.bluePen, true});
    InvalidateRect(window, nullptr, TRUE);
}
