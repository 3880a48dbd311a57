// The views of a gear with its mate: the pair whole, and the mesh zone enlarged around the
// pitch point, both drawn as the pair now stands (rolled by the arrow keys). Without a
// mate, or with one that no longer runs with the gear, they say so instead.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "gear/mesh_overlap.h"
#include "ui/pair_message.h"
#include "ui/view_transform.h"
#include "win32/canvas.h"
#include "win32/canvas_shapes.h"
#include "win32/drawings.h"
#include "win32/outline_drawing.h"
#include "win32/program_language.h"

// The canvas area the pictures fill, in pixels, centred as the whole-gear view is.
static const double kViewWidth = 560.0;
static const double kViewHeight = 520.0;
static const float kViewCentreX = 300.0f;
static const float kViewCentreY = 275.0f;

// Scale and origin so that the model rectangle fits the view about its middle.
static void FitView(double left, double right, double bottom, double top) {
    const double across = ScaleToFit(kViewWidth, right - left);
    const double up = ScaleToFit(kViewHeight, top - bottom);
    const double scale = across < up ? across : up;
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    viewTransform.originX =
        PixelOrigin(kViewCentreX - TruncateToPixels(scale * (left + right) / 2));
    viewTransform.originY =
        PixelOrigin(kViewCentreY + TruncateToPixels(scale * (bottom + top) / 2));
}

// The outline of a gear of the pair as cut (the undercut loop cut off), in its pens.
static void TraceCut(const Gear& gear, OutlinePens pens) {
    FlankPoints flank;
    ManufacturingFlank(gear.profile, GearLastIndex(gear), gear.parameters.filletDivisions, &flank);
    TraceGearOutline(canvas.canvasDC, flank, gear.geometry.drawnToothCount, gear.placement, pens);
}

// The line of action, the pitch point and both working pitch circles.
static void DrawMeshLines(const GearPair& pair) {
    ModelPoint start;
    ModelPoint end;
    LineOfAction(pair, &start, &end);
    DrawCanvasCircle(canvas.grayDotPen, pair.gear.placement.centre,
                     PairSideOf(pair, 0).workingPitchDiameter / 2, false);
    DrawCanvasCircle(canvas.grayDotPen, pair.mate.placement.centre,
                     PairSideOf(pair, 1).workingPitchDiameter / 2, false);
    SelectObject(canvas.canvasDC, canvas.defaultPen);
    DrawCanvasLine(start, end);
    // The pitch point, three pixels across whatever the scale.
    const ModelPoint p = PitchPoint(pair);
    const int x = ToScreenX(p.x);
    const int y = ToScreenY(p.y);
    SelectObject(canvas.canvasDC, GetStockObject(NULL_BRUSH));
    Ellipse(canvas.canvasDC, x - 3, y - 3, x + 4, y + 4);
    SelectObject(canvas.canvasDC, canvas.whiteBrush);
}

// Both gears as cut: the gear in the whole-gear view's colours, the mate green.
static void DrawPairGears(const GearPair& pair) {
    const ModelPoint centre = pair.gear.placement.centre;
    const GearGeometry& g = pair.gear.geometry;
    DrawCanvasCircle(canvas.yellowPen, centre, g.tipRadius, false);
    DrawCanvasCircle(canvas.cyanPen, centre, g.pitchRadius, false);
    DrawCanvasCircle(canvas.magentaPen, centre, g.rootRadius, false);
    // A ring's rim, about its centre.
    const Gear* ring = IsRing(pair.gear) ? &pair.gear : IsRing(pair.mate) ? &pair.mate : nullptr;
    if (ring != nullptr) {
        DrawCanvasCircle(canvas.defaultPen, ring->placement.centre, ring->cut.rimDiameter / 2,
                         false);
    }
    TraceCut(pair.mate, {canvas.greenPen, canvas.greenPen, true});
    TraceCut(pair.gear, {canvas.redPen, canvas.bluePen, true});
}

// Says that there is no pair to draw, and why.
static bool DrawWhyNoPair(HWND window, const ProgramMate& mate) {
    if (PairReady()) {
        return false;
    }
    ClearCanvas();
    if (!mate.set) {
        DrawCanvasText(20, 20, UiText(kTextNoMateInView));
    } else {
        const MateFieldNames names = {UiText(kTextMateToothCount), UiText(kTextMateShift),
                                      UiText(kTextCentreDistance), UiText(kTextMateInternal)};
        char label[300];
        MateFieldName(mate.problem, mate.choice, names, programLanguage, false, label,
                      sizeof label);
        char named[320];
        snprintf(named, sizeof named, UiText(kTextFieldInSentence), label);
        char sentence[1500];
        FormatPairSentence(mate.problem, currentGear.parameters, mate.choice, programLanguage,
                           named, sentence, sizeof sentence);
        // A line of the sentence a line of the canvas.
        int y = 20;
        for (char* line = sentence; line != nullptr; y += 20) {
            char* next = strchr(line, '\n');
            if (next != nullptr) {
                *next++ = '\0';
            }
            DrawCanvasText(20, y, line);
            line = next;
        }
    }
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

void DrawGearPair(HWND window, const ProgramMate& mate) {
    if (DrawWhyNoPair(window, mate)) {
        return;
    }
    const GearPair& pair = mate.pair;
    ClearCanvas();
    // Both gears' outermost circles: a ring's rim, an external gear's tip.
    double left = 0;
    double right = 0;
    double high = 0;
    const Gear* const gears[2] = {&pair.gear, &pair.mate};
    for (int i = 0; i < 2; i++) {
        const Gear& g = *gears[i];
        const double outer = IsRing(g) ? g.cut.rimDiameter / 2 : g.geometry.tipRadius;
        const ModelPoint c = g.placement.centre;
        left = i == 0 || c.x - outer < left ? c.x - outer : left;
        right = i == 0 || c.x + outer > right ? c.x + outer : right;
        high = outer > high ? outer : high;
    }
    FitView(left, right, -high, high);
    DrawPairGears(pair);
    DrawMeshLines(pair);
    InvalidateRect(window, nullptr, TRUE);
}

// Overlapping points as small red squares.
static void MarkOverlaps(const GearPair& pair) {
    if (!pair.check.interference) {
        return;
    }
    static ModelPoint points[4096];
    const int count = OverlapPoints(pair, pair.check.tolerance, points, 4096);
    SelectObject(canvas.canvasDC, canvas.redPen);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    for (int i = 0; i < count; i++) {
        const RECT mark = {ToScreenX(points[i].x) - 2, ToScreenY(points[i].y) - 2,
                           ToScreenX(points[i].x) + 3, ToScreenY(points[i].y) + 3};
        FillRect(canvas.canvasDC, &mark, red);
    }
    DeleteObject(red);
}

void DrawMeshZone(HWND window, const ProgramMate& mate) {
    if (DrawWhyNoPair(window, mate)) {
        return;
    }
    const GearPair& pair = mate.pair;
    ClearCanvas();
    // About three teeth of each gear around the pitch point.
    const ModelPoint p = PitchPoint(pair);
    const double half = 1.75 * kPi * pair.gear.parameters.module;
    FitView(p.x - half, p.x + half, p.y - half, p.y + half);
    DrawPairGears(pair);
    DrawCanvasCircle(canvas.grayDotPen, pair.gear.placement.centre,
                     PairSideOf(pair, 0).formDiameter / 2, false);
    DrawCanvasCircle(canvas.grayDotPen, pair.mate.placement.centre,
                     PairSideOf(pair, 1).formDiameter / 2, false);
    DrawMeshLines(pair);
    ModelPoint start;
    ModelPoint end;
    ActiveContact(pair, &start, &end);
    SelectObject(canvas.canvasDC, canvas.heavyPen);
    DrawCanvasLine(start, end);
    MarkOverlaps(pair);
    InvalidateRect(window, nullptr, TRUE);
}
