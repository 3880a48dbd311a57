#include "win32/canvas_shapes.h"

#include "ui/view_transform.h"
#include "win32/canvas.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

void DrawCanvasCircle(HPEN pen, ModelPoint centre, double radius, bool filled) {
    SelectObject(canvas.canvasDC, pen);
    if (!filled) {
        SelectObject(canvas.canvasDC, GetStockObject(NULL_BRUSH));
    }
    Ellipse(canvas.canvasDC, ToScreenX(centre.x - radius), ToScreenY(centre.y - radius),
            ToScreenX(centre.x + radius), ToScreenY(centre.y + radius));
    if (!filled) {
        SelectObject(canvas.canvasDC, canvas.whiteBrush);
    }
}

void DrawCanvasLine(ModelPoint a, ModelPoint b) {
    MoveToEx(canvas.canvasDC, ToScreenX(a.x), ToScreenY(a.y), nullptr);
    LineTo(canvas.canvasDC, ToScreenX(b.x), ToScreenY(b.y));
}

void DrawCanvasText(int x, int y, const char* text) {
    wchar_t wide[1024];
    ToWide(text, wide, 1024);
    HFONT font = LanguageFont();
    HGDIOBJ previous = font != nullptr ? SelectObject(canvas.canvasDC, font) : nullptr;
    TextOutW(canvas.canvasDC, x, y, wide, static_cast<int>(wcslen(wide)));
    if (previous != nullptr) {
        SelectObject(canvas.canvasDC, previous);
    }
}
