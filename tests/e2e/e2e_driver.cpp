// Runs the program under test and reports "N passed, N failed"; with "shots" it instead
// saves the one-tooth and whole-gear views as BMP files.
#include "tests/e2e/e2e_driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/resource.h"

Language testLanguage = kKorean;

static int passedChecks = 0;
static int failedChecks = 0;

std::string Say(TextId id) {
    return Text(id, testLanguage);
}

void Check(bool passed, const std::string& what) {
    static const bool trace = getenv("E2E_TRACE") != nullptr;
    if (trace) {
        printf("%8.2f %s %s\n", GetTickCount() / 1000.0, passed ? "ok" : "FAILED", what.c_str());
        fflush(stdout);
    }
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
    // The first paint shows the blank canvas.
    return program->window != nullptr && WaitForPixel(program->window, 5, 5, kWhite, 5000);
}

// Brings the main window to the front and waits until it is there, so that the keys that
// follow reach it.
static void FrontWindow(const RunningProgram& program) {
    BringToFront(program.window);
    Check(WaitUntil([&] { return HasKeyboard(program.window); }, 5000),
          "the main window comes to the front");
}

// Alt and the menu's key, then the item's key once its drop-down shows. A key the system
// lost (rarely, under Wine) is pressed again, as a person would when nothing happens.
static void ChooseMenu(const RunningProgram& program, WORD menuKey, WORD itemKey) {
    for (int attempt = 0; attempt < 2; attempt++) {
        FrontWindow(program);
        PressWithAlt(menuKey);
        if (itemKey == 0) {
            return;
        }
        if (WaitUntil([&] { return MenuOpen(program); }, 3000)) {
            PressKey(itemKey);
            Check(WaitUntil([&] { return !MenuOpen(program); }, 5000), "the menu closes");
            return;
        }
    }
    Check(false, "the menu opens");
}

HWND OpenByMenu(const RunningProgram& program, WORD menuKey, WORD itemKey,
                const std::string& caption) {
    ChooseMenu(program, menuKey, itemKey);
    HWND window = WaitForWindow(program, caption, itemKey == 0 ? 3000 : 15000);
    if (window == nullptr && itemKey == 0 && HasKeyboard(program.window)) {
        ChooseMenu(program, menuKey, itemKey);
        window = WaitForWindow(program, caption, 15000);
    }
    Check(window != nullptr, "the window '" + caption + "' opens");
    return window;
}

std::string AnswerBox(const RunningProgram& program, const std::string& caption) {
    HWND box = WaitForWindow(program, caption, 5000);
    Check(box != nullptr, "the box '" + caption + "' appears");
    if (box == nullptr) {
        return "";
    }
    const std::string text = MessageBoxText(box);
    PressKey(VK_RETURN);
    Check(WindowGone(box, 5000), "the box '" + caption + "' closes");
    return text;
}

std::string SaveAsCaption() {
    return testLanguage == kKorean ? "다른 이름으로 저장" : "Save As";
}

std::string SaveDrawingAs(const RunningProgram& program, WORD itemKey, const std::string& name) {
    HWND dialog = OpenByMenu(program, 'A', itemKey, SaveAsCaption());
    if (dialog == nullptr) {
        return "";
    }
    TypeText(name);
    WaitUntil([&] { return ControlText(dialog, kSaveAsNameBox) == name; }, 5000);
    PressKey(VK_RETURN);
    Check(WindowGone(dialog, 5000), "Enter closes the Save As dialog");
    return AnswerBox(program, Say(kTextNoticeCaption));
}

void ChooseView(const RunningProgram& program, WORD itemKey) {
    ChooseMenu(program, 'P', itemKey);
}

void TypeInto(HWND dialog, int id, const std::string& text) {
    Check(TabTo(dialog, id), "Tab reaches box " + std::to_string(id));
    TypeText(text);
    Check(WaitUntil([&] { return ControlText(dialog, id) == text; }, 5000),
          "box " + std::to_string(id) + " shows the typed '" + text + "'");
}

void EnterGear(const RunningProgram& program, const char* teeth, const char* module) {
    HWND dialog = OpenByMenu(program, 'D', 0, Say(kTextGearDataCaption));
    if (dialog == nullptr) {
        return;
    }
    TypeInto(dialog, IDC_TEETH, teeth);
    TypeInto(dialog, IDC_MODULE, module);
    PressKey(VK_RETURN);
    Check(WindowGone(dialog, 5000),
          std::string(teeth) + " teeth of module " + module + ": the gear is accepted");
}

void ChooseRingCut(const RunningProgram& program) {
    HWND dialog = OpenByMenu(program, 'P', 'C', Say(kTextGearTypeCaption));
    if (dialog == nullptr) {
        return;
    }
    Check(TabTo(dialog, IDC_CUT_EXTERNAL), "Tab reaches the gear type");
    PressKey(VK_DOWN);
    Check(WaitUntil([&] { return IsDlgButtonChecked(dialog, IDC_CUT_INTERNAL) == BST_CHECKED; },
                    5000),
          "the arrow key chooses the ring");
    PressKey(VK_RETURN);
    Check(WindowGone(dialog, 5000), "the ring is taken");
}

static int TakeShots(const E2eSetting& setting, const std::string& outFolder) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return 1;
    }
    // The views' first pixels: the tooth's root point, then the tip circle's top.
    ChooseView(program, 'O');
    WaitForPixel(program.window, 134, 407, kMagenta, 5000);
    const bool tooth = SaveWindowImage(program.window, outFolder + "\\one-tooth.bmp");
    ChooseView(program, 'T');
    WaitForPixel(program.window, 300, 15, kYellow, 5000);
    const bool gear = SaveWindowImage(program.window, outFolder + "\\whole-gear.bmp");
    PressWithAlt('X');
    WaitForExit(&program, 5000);
    StopProgram(&program);
    return tooth && gear ? 0 : 1;
}

int wmain(int argc, wchar_t** wideArguments) {
    std::string argv[12];
    for (int i = 0; i < argc && i < 12; i++) {
        argv[i] = Narrow(wideArguments[i]);
    }
    if (argc == 4 && argv[1] == "shots") {
        const E2eSetting setting = {argv[2], ".", "", "", "", "", "", "", ""};
        return TakeShots(setting, argv[3]);
    }
    if (argc == 4 && argv[1] == "timing") {
        const E2eSetting setting = {argv[2], argv[3], "", "", "", "", "", "", ""};
        return RunTiming(setting);
    }
    if (argc != 6 || argv[1] != "test" || (argv[2] != "korean" && argv[2] != "english")) {
        fprintf(stderr,
                "usage: e2e_driver test korean|english PROGRAM FOLDER EXPECTED\n"
                "       e2e_driver shots PROGRAM OUTFOLDER\n"
                "       e2e_driver timing PROGRAM FOLDER\n"
                "EXPECTED holds the involute tool's files the program's must equal: default.scr,\n"
                "twelve.scr, default.dxf, default.svg, divided.dxf, pair.dxf and ring.dxf.\n");
        return 2;
    }
    testLanguage = argv[2] == "korean" ? kKorean : kEnglish;
    const std::string expected = argv[5] + "\\";
    const E2eSetting setting = {argv[3],
                                argv[4],
                                ReadFileBytes(expected + "default.scr"),
                                ReadFileBytes(expected + "twelve.scr"),
                                ReadFileBytes(expected + "default.dxf"),
                                ReadFileBytes(expected + "default.svg"),
                                ReadFileBytes(expected + "divided.dxf"),
                                ReadFileBytes(expected + "pair.dxf"),
                                ReadFileBytes(expected + "ring.dxf")};
    Check(!setting.defaultScript.empty() && !setting.twelveScript.empty(),
          "the expected scripts are there");
    Check(!setting.defaultDxf.empty() && !setting.defaultSvg.empty() &&
              !setting.dividedDxf.empty() && !setting.pairDxf.empty() && !setting.ringDxf.empty(),
          "the expected drawings are there");
    // Every scenario under Korean; the pictures do not depend on the language, so under
    // English what does, then choosing the language. E2E_ONLY=name runs one group.
    const struct {
        const char* name;
        void (*run)(const E2eSetting& setting);
        bool english;
    } groups[] = {
        {"program", RunProgramScenarios, false},  {"script", RunScriptScenarios, false},
        {"data", RunDataInputScenarios, true},    {"views", RunViewScenarios, false},
        {"report", RunReportScenarios, true},     {"drawing", RunDrawingScenarios, false},
        {"pair", RunPairScenarios, true},         {"outline", RunOutlineScenarios, true},
        {"language", RunLanguageScenarios, true},
    };
    const char* only = getenv("E2E_ONLY");
    for (const auto& group : groups) {
        if ((testLanguage == kEnglish && !group.english) ||
            (testLanguage == kKorean && group.run == RunLanguageScenarios) ||
            (only != nullptr && *only != '\0' && strcmp(only, group.name) != 0)) {
            continue;
        }
        const DWORD start = GetTickCount();
        group.run(setting);
        printf("  %s: %.1f s\n", group.name, (GetTickCount() - start) / 1000.0);
        fflush(stdout);
    }
    printf("end-to-end (%s): %d passed, %d failed\n", argv[2].c_str(), passedChecks, failedChecks);
    return failedChecks == 0 ? 0 : 1;
}
