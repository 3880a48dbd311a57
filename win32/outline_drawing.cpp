#include "win32/outline_drawing.h"

#include "ui/view_transform.h"

struct OutlineTrace {
    HDC dc;
    OutlinePens pens;
    int toothCount;
    bool lastFlankDrawn;
};

static POINT ScreenPoint(ModelPoint p) {
    POINT screen;
    screen.x = ToScreenX(p.x);
    screen.y = ToScreenY(p.y);
    return screen;
}

// A flank continues the line from where the pen stands, except the very first, which
// starts it.
static void OnFlank(void* context, int tooth, bool rightFlank, const ModelPoint* points,
                    int count) {
    OutlineTrace* trace = static_cast<OutlineTrace*>(context);
    // A point on the same pixel as the one before adds a line of no length, which paints
    // nothing: a large gear scaled down loses most of its points here, not its pixels.
    POINT screen[kFlankCapacity];
    int drawn = 0;
    for (int i = 0; i < count; i++) {
        const POINT p = ScreenPoint(points[i]);
        if (drawn == 0 || p.x != screen[drawn - 1].x || p.y != screen[drawn - 1].y) {
            screen[drawn++] = p;
        }
    }
    if (tooth == 0 && !rightFlank) {
        MoveToEx(trace->dc, screen[0].x, screen[0].y, nullptr);
        PolylineTo(trace->dc, screen + 1, drawn - 1);
        return;
    }
    if (tooth == 1 && !rightFlank) {
        SelectObject(trace->dc, trace->pens.otherTeeth);
    }
    PolylineTo(trace->dc, screen, drawn);
    trace->lastFlankDrawn = rightFlank && tooth == trace->toothCount - 1;
}

// Tips and gaps are crossed by the next flank's first line; only the last gap is drawn.
static void OnArc(void* context, OutlineArc kind, ModelPoint start, ModelPoint) {
    OutlineTrace* trace = static_cast<OutlineTrace*>(context);
    if (kind == kGapArc && trace->lastFlankDrawn && trace->pens.closed) {
        SelectObject(trace->dc, trace->pens.otherTeeth);
        const POINT screen = ScreenPoint(start);
        LineTo(trace->dc, screen.x, screen.y);
    }
}

void TraceGearOutline(HDC dc, const FlankPoints& flank, int toothCount,
                      const GearPlacement& placement, OutlinePens pens) {
    const int teeth = toothCount < 1 ? 1 : toothCount;
    SelectObject(dc, pens.firstTooth);
    OutlineTrace trace = {dc, pens, teeth, false};
    WalkGearOutline(flank, teeth, placement, {&trace, OnFlank, OnArc});
}
