// The one-tooth view: the outline of one tooth, open at the root, enlarged.
#include "model/gear_parameters.h"
#include "model/tooth_profile.h"
#include "render/canvas.h"
#include "render/drawings.h"
#include "render/tooth_outline.h"
#include "render/view_transform.h"

void DrawOneTooth(HWND window) {
    ClearCanvas();
    const int scale = ScaleToFit(300.0, gearGeometry.tipRadius - gearGeometry.rootRadius);
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    // The tip lies about 100 pixels below the top; the gear centre far below the window.
    viewTransform.originX = 300.0f;
    viewTransform.originY = PixelOrigin(viewTransform.scaleY * gearGeometry.tipRadius + 100.0);
    SelectObject(canvas.canvasDC, canvas.magentaPen);
    TraceToothOutline(canvas.canvasDC, ProfileLastIndex(lastPointIndex));
    InvalidateRect(window, nullptr, TRUE);
}
