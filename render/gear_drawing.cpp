// The whole-gear view: the three circles, the centre cross and every tooth, each the
// profile turned clockwise by whole pitches, joined into one closed outline.
#include "model/gear_parameters.h"
#include "model/tooth_profile.h"
#include "model/tooth_rotation.h"
#include "render/canvas.h"
#include "render/drawings.h"
#include "render/tooth_outline.h"
#include "render/view_transform.h"

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

static void LineToPoint(ModelPoint p) {
    LineTo(canvas.canvasDC, ToScreenX(p.x), ToScreenY(p.y));
}

// No move between teeth: the first line runs straight across the gap from the previous
// tooth's last root point.
static void DrawRotatedTooth(int k, int teeth, int last) {
    const ToothRotation r = RotationOfTooth(k, teeth);
    for (int i = 0; i <= last; i++) {
        LineToPoint(StoredPoint(toothProfile, i, r));
    }
    for (int i = last; i >= 0; i--) {
        LineToPoint(MirroredPoint(toothProfile, i, r));
    }
}

void DrawWholeGear(HWND window) {
    ClearCanvas();
    const int scale = ScaleToFit(550.0, gearGeometry.tipRadius + gearGeometry.tipRadius);
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    viewTransform.originX = 300.0f;
    viewTransform.originY = 275.0f;
    DrawCircle(canvas.yellowPen, gearGeometry.tipRadius);
    DrawCircle(canvas.cyanPen, gearGeometry.pitchRadius);
    DrawCircle(canvas.magentaPen, gearGeometry.rootRadius);
    // The centre cross, two model units each way whatever the scale.
    SelectObject(canvas.canvasDC, canvas.defaultPen);
    DrawLine(0, -2, 0, 2);
    DrawLine(-2, 0, 2, 0);

    const int last = ProfileLastIndex(lastPointIndex);
    SelectObject(canvas.canvasDC, canvas.redPen);
    TraceToothOutline(canvas.canvasDC, last);
    SelectObject(canvas.canvasDC, canvas.bluePen);
    const int teeth = gearGeometry.drawnToothCount;
    for (int k = 1; k < teeth; k++) {
        DrawRotatedTooth(k, teeth, last);
    }
    // Close the outline back to the first tooth's root point.
    LineTo(canvas.canvasDC, ToScreenX(toothProfile.profileX[0]),
           ToScreenY(toothProfile.profileY[0]));
    InvalidateRect(window, nullptr, TRUE);
}
