// Runs the program under test and reports "N passed, N failed"; with "shots" it instead
// saves the one-tooth and whole-gear views as BMP files.
#include "tests/e2e/e2e_driver.h"

#include <cstdio>
#include <cstring>

static int passedChecks = 0;
static int failedChecks = 0;

void Check(bool passed, const std::string& what) {
    if (passed) {
        passedChecks++;
    } else {
        failedChecks++;
        printf("FAILED: %s\n", what.c_str());
        fflush(stdout);
    }
}

bool Start(const E2eSetting& setting, RunningProgram* program) {
    *program = StartProgram(setting.exe, setting.folder);
    Check(program->window != nullptr, "the main window appears");
    return program->window != nullptr;
}

HWND OpenByMenu(const RunningProgram& program, WORD menuKey, WORD itemKey, const char* caption) {
    BringToFront(program.window);
    PressWithAlt(menuKey);
    if (itemKey != 0) {
        PressKey(itemKey);
    }
    HWND window = WaitForWindow(program, caption, 5000);
    Check(window != nullptr, std::string("the window '") + caption + "' opens");
    return window;
}

std::string AnswerBox(const RunningProgram& program, const char* caption) {
    HWND box = WaitForWindow(program, caption, 5000);
    Check(box != nullptr, std::string("the box '") + caption + "' appears");
    if (box == nullptr) {
        return "";
    }
    const std::string text = MessageBoxText(box);
    PressKey(VK_RETURN);
    Check(WindowGone(box, 5000), std::string("the box '") + caption + "' closes");
    return text;
}

void ShowView(const RunningProgram& program, WORD itemKey) {
    BringToFront(program.window);
    PressWithAlt('P');
    PressKey(itemKey);
    Settle(600);
}

static int TakeShots(const E2eSetting& setting, const std::string& outFolder) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return 1;
    }
    ShowView(program, 'O');
    const bool tooth = SaveWindowImage(program.window, outFolder + "\\one-tooth.bmp");
    ShowView(program, 'T');
    const bool gear = SaveWindowImage(program.window, outFolder + "\\whole-gear.bmp");
    PressWithAlt('X');
    WaitForExit(&program, 5000);
    StopProgram(&program);
    return tooth && gear ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 4 && strcmp(argv[1], "shots") == 0) {
        E2eSetting setting = {argv[2], ".", "", "", "", ""};
        return TakeShots(setting, argv[3]);
    }
    if (argc == 4 && strcmp(argv[1], "timing") == 0) {
        E2eSetting setting = {argv[2], argv[3], "", "", "", ""};
        return RunTiming(setting);
    }
    if (argc != 8 || strcmp(argv[1], "test") != 0) {
        fprintf(stderr,
                "usage: e2e_driver test PROGRAM FOLDER DEFAULT.scr TWELVE.scr DEFAULT.dxf "
                "DEFAULT.svg\n"
                "       e2e_driver shots PROGRAM OUTFOLDER\n"
                "       e2e_driver timing PROGRAM FOLDER\n");
        return 2;
    }
    const E2eSetting setting = {argv[2],
                                argv[3],
                                ReadFileBytes(argv[4]),
                                ReadFileBytes(argv[5]),
                                ReadFileBytes(argv[6]),
                                ReadFileBytes(argv[7])};
    Check(!setting.defaultScript.empty() && !setting.twelveScript.empty(),
          "the expected scripts are there");
    Check(!setting.defaultDxf.empty() && !setting.defaultSvg.empty(),
          "the expected drawings are there");
    RunProgramScenarios(setting);
    RunScriptScenarios(setting);
    RunDataInputScenarios(setting);
    RunViewScenarios(setting);
    RunReportScenarios(setting);
    RunDrawingScenarios(setting);
    printf("end-to-end: %d passed, %d failed\n", passedChecks, failedChecks);
    return failedChecks == 0 ? 0 : 1;
}
