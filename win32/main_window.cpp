// The one dispatcher: creation, painting, destruction and the menu commands.
#include "win32/main_window.h"

#include "ui/resource.h"
#include "win32/canvas.h"
#include "win32/drawing_writer.h"
#include "win32/drawings.h"
#include "win32/gear_report_dialog.h"
#include "win32/gear_type_dialog.h"
#include "win32/mating_gear_dialog.h"
#include "win32/outline_settings_dialog.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"
#include "win32/script_writer.h"

// The picture the canvas shows, drawn again when the pair rolls or the language changes.
enum ShownView { kViewNone, kViewOneTooth, kViewWholeGear, kViewGearPair, kViewMeshZone };

static ShownView shownView = kViewNone;

static void DrawView(HWND window, ShownView view) {
    shownView = view;
    switch (view) {
        case kViewOneTooth:
            DrawOneTooth(window, currentGear);
            break;
        case kViewWholeGear:
            DrawWholeGear(window, currentGear);
            break;
        case kViewGearPair:
            DrawGearPair(window, programMate);
            break;
        case kViewMeshZone:
            DrawMeshZone(window, programMate);
            break;
        case kViewNone:
            break;
    }
}

// The pair's files can be made only when there is a pair.
static void EnablePairFiles(HWND window) {
    const UINT state = MF_BYCOMMAND | (PairReady() ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(GetMenu(window), IDM_MAKE_PAIR_DXF, state);
    EnableMenuItem(GetMenu(window), IDM_MAKE_PAIR_SVG, state);
}

// Left and Right roll the pair by a twentieth of a pitch, Home back to the start.
static void OnKey(HWND window, WPARAM key) {
    if ((shownView != kViewGearPair && shownView != kViewMeshZone) || !PairReady()) {
        return;
    }
    int steps = programMate.pair.rollSteps;
    switch (key) {
        case VK_LEFT:
            steps--;
            break;
        case VK_RIGHT:
            steps++;
            break;
        case VK_HOME:
            steps = 0;
            break;
        default:
            return;
    }
    RollGearPair(&programMate.pair, steps);
    DrawView(window, shownView);
}

// The menu marks the language the program speaks.
static void MarkLanguage(HWND window) {
    CheckMenuRadioItem(GetMenu(window), IDM_LANGUAGE_KOREAN, IDM_LANGUAGE_ENGLISH,
                       programLanguage == kKorean ? IDM_LANGUAGE_KOREAN : IDM_LANGUAGE_ENGLISH,
                       MF_BYCOMMAND);
}

// Defaults, the first profile, then the blank canvas: all before the window is shown.
static void OnCreate(HWND window) {
    SetCurrentGear(DefaultGearParameters());
    CreateCanvas(window);
    MarkLanguage(window);
}

// Exit and the window's destruction both end here; the canvas is released only once.
static void EndProgram() {
    ReleaseCanvas();
    PostQuitMessage(0);
}

// From now on every dialog, box and view speaks language; the next start remembers it.
static void SpeakLanguage(HWND window, Language language) {
    ChooseLanguage(language);
    MarkLanguage(window);
    if (shownView == kViewGearPair || shownView == kViewMeshZone) {
        DrawView(window, shownView);
    }
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
            EnablePairFiles(window);
            break;
        case IDM_MATING_GEAR:
            ChooseMate(window);
            EnablePairFiles(window);
            break;
        case IDM_GEAR_TYPE:
            ChooseGearType(window);
            EnablePairFiles(window);
            break;
        case IDM_ONE_TOOTH:
            DrawView(window, kViewOneTooth);
            break;
        case IDM_WHOLE_GEAR:
            DrawView(window, kViewWholeGear);
            break;
        case IDM_GEAR_PAIR:
            DrawView(window, kViewGearPair);
            break;
        case IDM_MESH_ZONE:
            DrawView(window, kViewMeshZone);
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
        case IDM_MAKE_PAIR_DXF:
            if (PairReady()) {
                WritePairDxfFile(window, programMate.pair);
            }
            break;
        case IDM_MAKE_PAIR_SVG:
            if (PairReady()) {
                WritePairSvgFile(window, programMate.pair);
            }
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
        case WM_KEYDOWN:
            OnKey(window, wParam);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}
