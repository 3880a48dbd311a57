// The one dispatcher: creation, painting, destruction and the menu commands.
#include "win32/main_window.h"

#include "win32/gear_report_dialog.h"
#include "win32/drawing_writer.h"
#include "win32/script_writer.h"
#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"
#include "win32/canvas.h"
#include "win32/drawings.h"
#include "ui/resource.h"

// Defaults, the first profile, then the blank canvas: all before the window is shown.
static void OnCreate(HWND window) {
    SetDefaultGearParameters();
    gearGeometry.drawnToothCount = ComputeToothProfile();
    CreateCanvas(window);
}

// Exit and the window's destruction both end here; the canvas is released only once.
static void EndProgram() {
    ReleaseCanvas();
    PostQuitMessage(0);
}

static void OnCommand(HWND window, int command) {
    switch (command) {
        case IDM_EXIT:
            EndProgram();
            break;
        case IDM_ABOUT:
            ShowAbout(window);
            break;
        case IDM_DATA_INPUT:
            InputGearData(window);
            break;
        case IDM_ONE_TOOTH:
            DrawOneTooth(window);
            break;
        case IDM_WHOLE_GEAR:
            DrawWholeGear(window);
            break;
        case IDM_MAKE_SCRIPT:
            WriteScriptFile(window);
            break;
        case IDM_GEAR_REPORT:
            ShowGearReport(window);
            break;
        case IDM_MAKE_DXF:
            WriteDxfFile(window);
            break;
        case IDM_MAKE_SVG:
            WriteSvgFile(window);
            break;
        default:
            break;
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_PAINT:
            PaintCanvas(window);
            return 0;
        case WM_DESTROY:
            EndProgram();
            return 0;
        case WM_COMMAND:
            OnCommand(window, LOWORD(wParam));
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
