// The whole-gear view: the three circles, the centre cross and every tooth, each the
// profile turned clockwise by whole pitches, joined into one closed outline.
#include "gear/gear_outline.h"
#include "win32/canvas.h"
#include "win32/canvas_shapes.h"
#include "win32/drawings.h"
#include "win32/outline_drawing.h"
#include "ui/view_transform.h"

void DrawWholeGear(HWND window, const Gear& gear) {
    ClearCanvas();
    const GearGeometry& g = gear.geometry;
    // A ring fits by its rim, around its teeth.
    const double outer = IsRing(gear) ? gear.cut.rimDiameter / 2 : g.tipRadius;
    const double scale = ScaleToFit(550.0, outer + outer);
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    viewTransform.originX = 300.0f;
    viewTransform.originY = 275.0f;
    const ModelPoint centre = {0, 0};
    if (IsRing(gear)) {
        // Outside in, each circle white inside so that the next shows: the rim in black, then
        // the root, pitch and tip circles in their colours.
        DrawCanvasCircle(canvas.defaultPen, centre, outer, true);
        DrawCanvasCircle(canvas.magentaPen, centre, g.rootRadius, true);
        DrawCanvasCircle(canvas.cyanPen, centre, g.pitchRadius, true);
        DrawCanvasCircle(canvas.yellowPen, centre, g.tipRadius, true);
    } else {
        DrawCanvasCircle(canvas.yellowPen, centre, g.tipRadius, true);
        DrawCanvasCircle(canvas.cyanPen, centre, g.pitchRadius, true);
        DrawCanvasCircle(canvas.magentaPen, centre, g.rootRadius, true);
    }
    // The centre cross, two model units each way whatever the scale.
    SelectObject(canvas.canvasDC, canvas.defaultPen);
    DrawCanvasLine({0, -2}, {0, 2});
    DrawCanvasLine({-2, 0}, {2, 0});

    // The first tooth red, the others blue, the gaps crossed by straight lines, closed.
    FlankPoints flank;
    GeneratedFlank(gear.profile, GearLastIndex(gear), &flank);
    TraceGearOutline(canvas.canvasDC, flank, g.drawnToothCount, gear.placement,
                     {canvas.redPen, canvas.bluePen, true});
    InvalidateRect(window, nullptr, TRUE);
}
