// The main window, the two drawings, the about display, unknown commands and ending.
#include <cstdio>
#include <string>

#include "gear/tooth_profile.h"
#include "gear/tooth_rotation.h"
#include "ui/view_transform.h"
#include "tests/e2e/e2e_driver.h"

namespace {

const ToothRotation kUnturned = {1.0, 0.0};

const ToothProfile& Profile() {
    static ToothProfile profile;
    static GearGeometry geometry;
    ComputeProfileOf(DefaultGearParameters(), &geometry, &profile);
    return profile;
}

void SetView(int scale, float originX, float originY) {
    viewTransform.scaleX = scale;
    viewTransform.scaleY = scale;
    viewTransform.originX = originX;
    viewTransform.originY = originY;
}

std::string At(int x, int y) {
    char text[64];
    snprintf(text, sizeof text, " at (%d, %d)", x, y);
    return text;
}

bool AllWhite(const ClientPixels& shot, int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; y++) {
        for (int x = left; x < right; x++) {
            if (PixelAt(shot, x, y) != kWhite) {
                return false;
            }
        }
    }
    return true;
}

void ExpectPixel(const ClientPixels& shot, int x, int y, COLORREF colour, const char* what) {
    Check(PixelAt(shot, x, y) == colour, what + At(x, y));
}

void StartsWhite(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    const ClientPixels shot = CaptureClient(program.window);
    Check(shot.width >= 580 && shot.height >= 530, "the client area is nearly 600 pixels");
    Check(AllWhite(shot, 0, 0, shot.width, shot.height), "the client area is white at start");
    StopProgram(&program);
}

// The outline's vertices where the truncating transform puts them; LineTo leaves out the
// end pixel, so the last vertex, M[0], is not painted.
void OneToothView(const RunningProgram& program) {
    ChooseView(program, 'O');
    Check(WaitForPixel(program.window, 134, 407, kMagenta, 5000), "one tooth: drawn");
    const ClientPixels shot = CaptureClient(program.window);
    ExpectPixel(shot, 134, 407, kMagenta, "one tooth: P[0]");
    ExpectPixel(shot, 253, 101, kMagenta, "one tooth: P[50]");
    ExpectPixel(shot, 347, 101, kMagenta, "one tooth: M[50]");
    ExpectPixel(shot, 466, 407, kWhite, "one tooth: M[0], the unpainted end pixel");
    ExpectPixel(shot, 465, 407, kMagenta, "one tooth: the last line reaches M[0]");
    Check(AllWhite(shot, 0, 0, shot.width, 100), "one tooth: nothing above the tip");
    Check(AllWhite(shot, 0, 409, shot.width, shot.height), "one tooth: nothing below the root");
    // Every vertex the core predicts, and its mirror image about column 300.
    SetView(66, 300.0f, 1816.0f);
    int wrong = 0;
    for (int i = 0; i <= 50; i++) {
        const ModelPoint p = StoredPoint(Profile(), i, kUnturned);
        const int column = ToScreenX(p.x);
        const int row = ToScreenY(p.y);
        wrong += PixelAt(shot, column, row) != kMagenta;
        wrong += 600 - column != ToScreenX(-p.x);
        wrong += i > 0 && PixelAt(shot, 600 - column, row) != kMagenta;
    }
    Check(wrong == 0, "one tooth: all 101 vertices painted, symmetric about column 300");
}

void WholeGearView(const RunningProgram& program) {
    ChooseView(program, 'T');
    Check(WaitForPixel(program.window, 379, 76, kBlue, 5000), "whole gear: drawn");
    const ClientPixels shot = CaptureClient(program.window);
    // Circle boxes: tip (40,15)-(560,535), pitch (60,35)-(540,515), root (85,60)-(515,490).
    ExpectPixel(shot, 300, 15, kYellow, "whole gear: top of the tip circle");
    ExpectPixel(shot, 40, 275, kYellow, "whole gear: left of the tip circle");
    ExpectPixel(shot, 300, 35, kCyan, "whole gear: top of the pitch circle");
    ExpectPixel(shot, 60, 275, kCyan, "whole gear: left of the pitch circle");
    ExpectPixel(shot, 539, 275, kCyan, "whole gear: right of the pitch circle");
    ExpectPixel(shot, 300, 514, kCyan, "whole gear: bottom of the pitch circle");
    ExpectPixel(shot, 300, 60, kMagenta, "whole gear: top of the root circle");
    ExpectPixel(shot, 85, 275, kMagenta, "whole gear: left of the root circle");
    ExpectPixel(shot, 514, 275, kMagenta, "whole gear: right of the root circle");
    ExpectPixel(shot, 300, 489, kMagenta, "whole gear: bottom of the root circle");
    Check(AllWhite(shot, 0, 0, 39, shot.height), "whole gear: nothing left of the tip circle");
    // The cross: LineTo leaves out (300, 255) and (320, 275).
    ExpectPixel(shot, 300, 295, kBlack, "whole gear: cross, lower end");
    ExpectPixel(shot, 300, 256, kBlack, "whole gear: cross, upper end");
    ExpectPixel(shot, 280, 275, kBlack, "whole gear: cross, left end");
    ExpectPixel(shot, 319, 275, kBlack, "whole gear: cross, right end");
    ExpectPixel(shot, 300, 255, kWhite, "whole gear: cross, end pixel left out");
    // The red first tooth from P[0], then blue from its M[0] to the next tooth's P[0].
    ExpectPixel(shot, 275, 62, kRed, "whole gear: first tooth's P[0]");
    ExpectPixel(shot, 300, 16, kRed, "whole gear: first tooth's tip");
    ExpectPixel(shot, 325, 62, kBlue, "whole gear: first blue line starts at M[0]");
    ExpectPixel(shot, 330, 63, kBlue, "whole gear: second tooth's P[0]");
    ExpectPixel(shot, 379, 76, kBlue, "whole gear: second tooth's M[0]");
    // Every vertex of every tooth: the first red (its M[0] starts the blue run), the rest blue.
    SetView(10, 300.0f, 275.0f);
    int wrong = 0;
    for (int k = 0; k < 24; k++) {
        const ToothRotation r = RotationOfTooth(k, 24);
        const COLORREF colour = k == 0 ? kRed : kBlue;
        for (int i = 0; i <= 50; i++) {
            const ModelPoint p = StoredPoint(Profile(), i, r);
            const ModelPoint m = MirroredPoint(Profile(), i, r);
            wrong += PixelAt(shot, ToScreenX(p.x), ToScreenY(p.y)) != colour;
            wrong += PixelAt(shot, ToScreenX(m.x), ToScreenY(m.y)) != (i == 0 ? kBlue : colour);
        }
    }
    Check(wrong == 0, "whole gear: all 2448 vertices in the colour of their tooth");
}

void AboutDisplay(const RunningProgram& program, bool byKey) {
    const char* how = byKey ? "F1" : "the menu";
    BringToFront(program.window);
    const ClientPixels before = CaptureClient(program.window);
    if (byKey) {
        PressKey(VK_F1);
    } else {
        PressWithAlt('O');
    }
    HWND box = WaitForWindow(program, Say(kTextAboutCaption), 5000);
    Check(box != nullptr, std::string("about box from ") + how);
    if (box == nullptr) {
        return;
    }
    // The lines stand on the window until the next paint; leaving the menu bar may bring one
    // at any moment, so they are looked for after F1 alone.
    if (byKey) {
        const ClientPixels shown = CaptureClient(program.window);
        Check(!AllWhite(shown, 20, 10, 300, 24), "about line 1 shown");
        Check(!AllWhite(shown, 20, 140, 300, 154), "about line 7 shown");
    }
    const std::string title = Say(kTextAboutTitle);
    Check(MessageBoxText(box) == title || MessageBoxText(box) + "\n" == title,
          "about box text is the program's title: " + MessageBoxText(box));
    PressKey(VK_RETURN);
    Check(WindowGone(box, 3000), "about box closes with Enter");
    Check(WaitUntil([&] { return CaptureClient(program.window).pixels == before.pixels; }, 5000),
          std::string("the canvas is back after the about box, without the lines (") + how + ")");
}

void UnknownCommandChangesNothing(const RunningProgram& program) {
    const ClientPixels before = CaptureClient(program.window);
    // Sent, not posted: each returns once the program has handled it.
    SendMessageW(program.window, WM_COMMAND, 40099, 0);
    SendMessageW(program.window, WM_COMMAND, 40002, 0);
    Check(IsWindow(program.window), "unknown commands leave the program running");
    Check(CaptureClient(program.window).pixels == before.pixels,
          "unknown commands change nothing on the screen");
}

void EndsWithExitCodeZero(const E2eSetting& setting, WORD key, const char* how) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    ChooseView(program, 'T');
    WaitForPixel(program.window, 300, 15, kYellow, 5000);
    PressWithAlt(key);
    const int code = WaitForExit(&program, 10000);
    Check(code == 0,
          std::string(how) + " ends the program with exit code 0, got " + std::to_string(code));
    StopProgram(&program);
}

}  // namespace

void RunProgramScenarios(const E2eSetting& setting) {
    StartsWhite(setting);
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    AboutDisplay(program, true);
    OneToothView(program);
    WholeGearView(program);
    AboutDisplay(program, false);
    UnknownCommandChangesNothing(program);
    StopProgram(&program);
    EndsWithExitCodeZero(setting, 'X', "Exit");
    EndsWithExitCodeZero(setting, VK_F4, "Closing the window");
}
