#include "win32/canvas.h"

Canvas canvas;

void CreateCanvas(HWND window) {
    canvas.canvasWidth = GetSystemMetrics(SM_CXSCREEN);
    canvas.canvasHeight = GetSystemMetrics(SM_CYSCREEN);
    HDC windowDC = GetDC(window);
    canvas.canvasDC = CreateCompatibleDC(windowDC);
    // Compatible with the window, not the memory context, to get the display's colours.
    canvas.canvasBitmap = CreateCompatibleBitmap(windowDC, canvas.canvasWidth, canvas.canvasHeight);
    SelectObject(canvas.canvasDC, canvas.canvasBitmap);
    canvas.whiteBrush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    SelectObject(canvas.canvasDC, canvas.whiteBrush);
    ClearCanvas();
    canvas.redPen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    canvas.bluePen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    canvas.yellowPen = CreatePen(PS_SOLID, 1, RGB(255, 255, 0));
    canvas.cyanPen = CreatePen(PS_SOLID, 1, RGB(0, 255, 255));
    canvas.magentaPen = CreatePen(PS_SOLID, 1, RGB(255, 0, 255));
    canvas.defaultPen = static_cast<HPEN>(SelectObject(canvas.canvasDC, canvas.bluePen));
    canvas.greenPen = CreatePen(PS_SOLID, 1, RGB(0, 128, 0));
    canvas.grayDotPen = CreatePen(PS_DOT, 1, RGB(128, 128, 128));
    canvas.heavyPen = CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
    ReleaseDC(window, windowDC);
}

void ClearCanvas() {
    PatBlt(canvas.canvasDC, 0, 0, canvas.canvasWidth, canvas.canvasHeight, PATCOPY);
}

void PaintCanvas(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (canvas.canvasDC != nullptr) {
        BitBlt(dc, 0, 0, canvas.canvasWidth, canvas.canvasHeight, canvas.canvasDC, 0, 0, SRCCOPY);
    }
    EndPaint(window, &paint);
}

void ReleaseCanvas() {
    if (canvas.canvasDC == nullptr) {
        return;
    }
    // The context goes first, so that no pen or bitmap is still selected into it.
    DeleteDC(canvas.canvasDC);
    canvas.canvasDC = nullptr;
    HGDIOBJ owned[] = {canvas.redPen,     canvas.bluePen,    canvas.yellowPen,
                       canvas.cyanPen,    canvas.magentaPen, canvas.greenPen,
                       canvas.grayDotPen, canvas.heavyPen,   canvas.canvasBitmap};
    for (HGDIOBJ object : owned) {
        DeleteObject(object);
    }
}
