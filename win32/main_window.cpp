// The one dispatcher: creation, painting, destruction and the menu commands.
#include "win32/main_window.h"

#include "ui/resource.h"
#include "win32/canvas.h"
#include "win32/drawing_writer.h"
#include "win32/drawings.h"
#include "win32/gear_report_dialog.h"
#include "win32/outline_settings_dialog.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"
#include "win32/script_writer.h"

// The menu marks the language the program speaks.
static void MarkLanguage(HWND window) {
    CheckMenuRadioItem(GetMenu(window), IDM_LANGUAGE_KOREAN, IDM_LANGUAGE_ENGLISH,
                       programLanguage == kKorean ? IDM_LANGUAGE_KOREAN : IDM_LANGUAGE_ENGLISH,
                       MF_BYCOMMAND);
}

// Defaults, the first profile, then the blank canvas: all before the window is shown.
static void OnCreate(HWND window) {
    ComputeGear(DefaultGearParameters(), &currentGear);
    CreateCanvas(window);
    MarkLanguage(window);
}

// Exit and the window's destruction both end here; the canvas is released only once.
static void EndProgram() {
    ReleaseCanvas();
    PostQuitMessage(0);
}

// From now on every dialog and box speaks language; the next start remembers it.
static void SpeakLanguage(HWND window, Language language) {
    ChooseLanguage(language);
    MarkLanguage(window);
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
            DrawOneTooth(window, currentGear);
            break;
        case IDM_WHOLE_GEAR:
            DrawWholeGear(window, currentGear);
            break;
        case IDM_MAKE_SCRIPT:
            WriteScriptFile(window, currentGear);
            break;
        case IDM_GEAR_REPORT:
            ShowGearReport(window);
            break;
        case IDM_MAKE_DXF:
            WriteDxfFile(window, currentGear);
            break;
        case IDM_MAKE_SVG:
            WriteSvgFile(window, currentGear);
            break;
        case IDM_OUTLINE_SETTINGS:
            EditOutlineSettings(window);
            break;
        case IDM_LANGUAGE_KOREAN:
            SpeakLanguage(window, kKorean);
            break;
        case IDM_LANGUAGE_ENGLISH:
            SpeakLanguage(window, kEnglish);
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
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
