// Timing of the program's heavy commands for the largest gear, for comparing builds side
// by side under Wine: not a test, nothing here passes or fails.
#include <cstdio>
#include <string>

#include "tests/e2e/e2e_driver.h"
#include "ui/resource.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The fastest of a few runs of a menu command; SendMessage returns when it is handled.
double TimeCommand(HWND window, int command) {
    double best = 1e30;
    for (int run = 0; run < 5; run++) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        SendMessageW(window, WM_COMMAND, command, 0);
        QueryPerformanceCounter(&end);
        const double ms = Milliseconds(start, end);
        best = ms < best ? ms : best;
    }
    return best;
}

// From OK in the name dialog to the notice that the file was written. A closed dialog
// leaves its modal loop only on the next message: a mouse nudge gives it one.
double TimeScriptExport(const RunningProgram& program) {
    PostMessageW(program.window, WM_COMMAND, IDM_MAKE_SCRIPT, 0);
    HWND name = WaitForWindow(program, Say(kTextScriptNameCaption), 5000);
    if (name == nullptr) {
        return -1;
    }
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    PostMessageW(name, WM_COMMAND, IDOK, 0);
    HWND notice = nullptr;
    for (int waited = 0; waited < 120000 && notice == nullptr; waited += 5) {
        if (IsWindow(name)) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dx = waited % 10 == 0 ? 1 : -1;
            input.mi.dwFlags = MOUSEEVENTF_MOVE;
            SendInput(1, &input, sizeof input);
        }
        Sleep(5);
        notice = FindWindowW(L"#32770", Wide(Say(kTextNoticeCaption)).c_str());
    }
    QueryPerformanceCounter(&end);
    if (notice != nullptr) {
        PostMessageW(notice, WM_COMMAND, IDOK, 0);
        WindowGone(notice, 5000);
    }
    return Milliseconds(start, end);
}

bool SetGear(const RunningProgram& program, const char* teeth, const char* involute,
             const char* fillet) {
    PostMessageW(program.window, WM_COMMAND, IDM_DATA_INPUT, 0);
    HWND dialog = WaitForWindow(program, Say(kTextGearDataCaption), 5000);
    if (dialog == nullptr) {
        return false;
    }
    SetDlgItemTextW(dialog, IDC_TEETH, Wide(teeth).c_str());
    SetDlgItemTextW(dialog, IDC_INVOLUTE_DIVISIONS, Wide(involute).c_str());
    SetDlgItemTextW(dialog, IDC_FILLET_DIVISIONS, Wide(fillet).c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return WindowGone(dialog, 10000);
}

}  // namespace

int RunTiming(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return 1;
    }
    // The notice box and the dialog's modal loop cost the same for every gear: the default
    // gear's export shows that part, and the largest gear's is given beyond it.
    const double wholeGear = TimeCommand(program.window, IDM_WHOLE_GEAR);
    const double oneTooth = TimeCommand(program.window, IDM_ONE_TOOTH);
    const double smallExport = TimeScriptExport(program);
    printf("default gear: whole gear %.1f ms, one tooth %.1f ms, script export %.0f ms\n",
           wholeGear, oneTooth, smallExport);
    if (SetGear(program, "9999", "100", "70")) {
        const double bigGear = TimeCommand(program.window, IDM_WHOLE_GEAR);
        const double bigExport = TimeScriptExport(program);
        printf(
            "9999 teeth, 170 divisions: whole gear %.1f ms, script export %.0f ms more than "
            "the default gear's\n",
            bigGear, bigExport - smallExport);
    }
    StopProgram(&program);
    return 0;
}
