// The two drawings against a picture drawn here segment by segment with the same transform:
// the program's polylines must give the very same pixels, and gears too large for one
// pixel per unit must fill the view instead of collapsing onto a dot.
#include <cstdlib>
#include <string>

#include "gear/gear_value.h"
#include "gear/tooth_profile.h"
#include "gear/tooth_rotation.h"
#include "tests/e2e/e2e_driver.h"
#include "ui/resource.h"
#include "ui/view_transform.h"

namespace {

struct ViewCase {
    const char* teeth;
    const char* module;
    const char* name;
};

struct Reference {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    int width;
    int height;
};

Reference OpenReference(int width, int height) {
    Reference r = {};
    r.width = width;
    r.height = height;
    HDC screen = GetDC(nullptr);
    r.dc = CreateCompatibleDC(screen);
    r.bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    r.oldBitmap = SelectObject(r.dc, r.bitmap);
    SelectObject(r.dc, GetStockObject(WHITE_BRUSH));
    PatBlt(r.dc, 0, 0, width, height, PATCOPY);
    return r;
}

ClientPixels CloseReference(Reference* r) {
    ClientPixels shot = {r->width, r->height, {}};
    shot.pixels.resize(static_cast<size_t>(r->width) * r->height);
    for (int y = 0; y < r->height; y++) {
        for (int x = 0; x < r->width; x++) {
            shot.pixels[static_cast<size_t>(y) * r->width + x] = GetPixel(r->dc, x, y);
        }
    }
    SelectObject(r->dc, r->oldBitmap);
    DeleteObject(r->bitmap);
    DeleteDC(r->dc);
    return shot;
}

void LineToModel(HDC dc, ModelPoint p) {
    LineTo(dc, ToScreenX(p.x), ToScreenY(p.y));
}

// One tooth k, one LineTo per segment: up the stored flank, down the mirrored one.
void DrawToothBySegments(HDC dc, const ToothProfile& profile, int last, int k, int teeth) {
    const ToothRotation r = RotationOfTooth(k, teeth);
    for (int i = 0; i <= last; i++) {
        LineToModel(dc, StoredPoint(profile, i, r));
    }
    for (int i = last; i >= 0; i--) {
        LineToModel(dc, MirroredPoint(profile, i, r));
    }
}

ClientPixels ExpectedOneTooth(const Gear& gear, int width, int height) {
    const GearGeometry& g = gear.geometry;
    const ToothProfile& profile = gear.profile;
    const double outer = IsRing(gear) ? g.rootRadius : g.tipRadius;
    const double inner = IsRing(gear) ? g.tipRadius : g.rootRadius;
    const double scale = ScaleToFit(300.0, outer - inner);
    viewTransform = {scale, scale, 300.0f, PixelOrigin(scale * outer + 100.0)};
    Reference r = OpenReference(width, height);
    HPEN pen = CreatePen(PS_SOLID, 1, kMagenta);
    HGDIOBJ old = SelectObject(r.dc, pen);
    MoveToEx(r.dc, ToScreenX(profile.profileX[0]), ToScreenY(profile.profileY[0]), nullptr);
    DrawToothBySegments(r.dc, profile, GearLastIndex(gear), 0, 1);
    SelectObject(r.dc, old);
    DeleteObject(pen);
    return CloseReference(&r);
}

void CircleOf(HDC dc, COLORREF colour, double radius) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    Ellipse(dc, ToScreenX(-radius), ToScreenY(-radius), ToScreenX(radius), ToScreenY(radius));
    SelectObject(dc, old);
    DeleteObject(pen);
}

ClientPixels ExpectedWholeGear(const Gear& gear, int width, int height) {
    const GearGeometry& g = gear.geometry;
    const ToothProfile& profile = gear.profile;
    const double outer = IsRing(gear) ? gear.cut.rimDiameter / 2 : g.tipRadius;
    const double scale = ScaleToFit(550.0, outer + outer);
    viewTransform = {scale, scale, 300.0f, 275.0f};
    Reference r = OpenReference(width, height);
    if (IsRing(gear)) {
        // Outside in: the rim, the root, pitch and tip circles.
        CircleOf(r.dc, kBlack, outer);
        CircleOf(r.dc, kMagenta, g.rootRadius);
        CircleOf(r.dc, kCyan, g.pitchRadius);
        CircleOf(r.dc, kYellow, g.tipRadius);
    } else {
        CircleOf(r.dc, kYellow, g.tipRadius);
        CircleOf(r.dc, kCyan, g.pitchRadius);
        CircleOf(r.dc, kMagenta, g.rootRadius);
    }
    HPEN black = CreatePen(PS_SOLID, 1, kBlack);
    HGDIOBJ old = SelectObject(r.dc, black);
    MoveToEx(r.dc, ToScreenX(0), ToScreenY(-2), nullptr);
    LineTo(r.dc, ToScreenX(0), ToScreenY(2));
    MoveToEx(r.dc, ToScreenX(-2), ToScreenY(0), nullptr);
    LineTo(r.dc, ToScreenX(2), ToScreenY(0));
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HPEN blue = CreatePen(PS_SOLID, 1, kBlue);
    SelectObject(r.dc, red);
    const int last = GearLastIndex(gear);
    const int teeth = gear.parameters.toothCount;
    MoveToEx(r.dc, ToScreenX(profile.profileX[0]), ToScreenY(profile.profileY[0]), nullptr);
    DrawToothBySegments(r.dc, profile, last, 0, teeth);
    SelectObject(r.dc, blue);
    for (int k = 1; k < teeth; k++) {
        DrawToothBySegments(r.dc, profile, last, k, teeth);
    }
    LineTo(r.dc, ToScreenX(profile.profileX[0]), ToScreenY(profile.profileY[0]));
    SelectObject(r.dc, old);
    DeleteObject(black);
    DeleteObject(red);
    DeleteObject(blue);
    return CloseReference(&r);
}

// Pixels that differ within the reference's area.
int Differences(const ClientPixels& shot, const ClientPixels& expected) {
    int differ = 0;
    for (int y = 0; y < expected.height && y < shot.height; y++) {
        for (int x = 0; x < expected.width && x < shot.width; x++) {
            differ += PixelAt(shot, x, y) != PixelAt(expected, x, y);
        }
    }
    return differ;
}

// Rows from top to bottom that hold any pixel of the colour.
int RowsSpanned(const ClientPixels& shot, COLORREF colour) {
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < shot.height; y++) {
        for (int x = 0; x < shot.width; x++) {
            if (PixelAt(shot, x, y) == colour) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return top < 0 ? 0 : bottom - top + 1;
}

// Waits until the view shows the expected picture; the pixels that still differ.
int DifferencesOnceDrawn(HWND window, const ClientPixels& expected, ClientPixels* shot) {
    int differ = 0;
    WaitUntil(
        [&] {
            *shot = CaptureClient(window);
            differ = Differences(*shot, expected);
            return differ == 0;
        },
        5000);
    return differ;
}

void BothViewsMatch(const RunningProgram& program, const char* name, const Gear& gear) {
    const ClientPixels before = CaptureClient(program.window);
    ChooseView(program, 'O');
    ClientPixels shot;
    int differ = DifferencesOnceDrawn(program.window,
                                      ExpectedOneTooth(gear, before.width, before.height), &shot);
    Check(differ == 0, std::string(name) +
                           ": one tooth, pixels unlike segment drawing: " + std::to_string(differ));
    const int depth = RowsSpanned(shot, kMagenta);
    // A ring's root corners lie off the centre line, a little below its root circle's top.
    Check(depth >= (IsRing(gear) ? 285 : 295) && depth <= 315,
          std::string(name) + ": the tooth spans about 300 rows, got " + std::to_string(depth));

    ChooseView(program, 'T');
    differ = DifferencesOnceDrawn(program.window,
                                  ExpectedWholeGear(gear, before.width, before.height), &shot);
    Check(differ == 0, std::string(name) + ": whole gear, pixels unlike segment drawing: " +
                           std::to_string(differ));
    // A whole number of pixels per unit fills at least half the view; a fraction all of it.
    // The outermost circle: a ring's rim, black, else the tip circle.
    const int diameter = RowsSpanned(shot, IsRing(gear) ? kBlack : kYellow);
    const bool fractional = viewTransform.scaleY < 1;
    Check(diameter >= (fractional ? 545 : 275) && diameter <= 552,
          std::string(name) + ": the outer circle spans " + std::to_string(diameter) + " rows");
}

}  // namespace

void RunViewScenarios(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    // Whole-number scales, a fractional whole-gear scale, then both fractional.
    const ViewCase cases[] = {{"24", "2", "default gear"},
                              {"12", "2", "12 teeth"},
                              {"300", "2", "300 teeth of module 2"},
                              {"300", "200", "300 teeth of module 200"},
                              {"50", "2", "50 teeth of module 2"}};
    static Gear gear;
    for (const ViewCase& c : cases) {
        EnterGear(program, c.teeth, c.module);
        GearParameters p = DefaultGearParameters();
        p.toothCount = atoi(c.teeth);
        p.module = atof(c.module);
        ComputeGear(p, &gear);
        BothViewsMatch(program, c.name, gear);
    }
    // The last gear as a ring: its tooth points inward, its rim lies outside.
    ChooseRingCut(program);
    GearParameters ring = DefaultGearParameters();
    ring.toothCount = 50;
    ComputeGear(ring, DefaultShaperCut(true), &gear);
    BothViewsMatch(program, "ring of 50 teeth", gear);
    StopProgram(&program);
}
