// The outline settings: the dialog refuses a tolerance the fit cannot reach and stays
// open; "divided" chosen there makes the DXF the tool writes with --outline divided, and
// the choice is there again at the next start.
#include <string>

#include "gear/gear_parameters.h"
#include "tests/e2e/e2e_driver.h"
#include "ui/outline_message.h"
#include "ui/resource.h"

namespace {

HWND OpenOutlineSettings(const RunningProgram& program) {
    return OpenByMenu(program, 'A', 'O', Say(kTextOutlineSettingsCaption));
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// Moves the choice with the arrow keys, as a person does within a group of radio buttons.
void Choose(HWND dialog, int from, int to, WORD key) {
    Check(TabTo(dialog, from), "Tab reaches the checked choice");
    PressKey(key);
    Check(WaitUntil([&] { return Checked(dialog, to); }, 5000), "the arrow key moves the choice");
}

void RefusesABadTolerance(const RunningProgram& program, HWND dialog) {
    char expected[1024];
    FormatToleranceRefusal(DefaultGearParameters(), testLanguage, expected, sizeof expected);
    for (const char* bad : {"abc", "1e-12"}) {
        TypeInto(dialog, IDC_OUTLINE_TOLERANCE, bad);
        PressKey(VK_RETURN);
        const std::string text = AnswerBox(program, Say(kTextInputErrorCaption));
        Check(text == expected, std::string("tolerance '") + bad + "' is refused: " + text);
        Check(IsWindowVisible(dialog) != FALSE, "the dialog stays open after the refusal");
    }
    // The refusal selected the box's text: Delete empties it, the default tolerance.
    PressKey(VK_DELETE);
    Check(WaitUntil([&] { return ControlText(dialog, IDC_OUTLINE_TOLERANCE).empty(); }, 5000),
          "the tolerance box is emptied");
}

void DividedDxfIsTheToolsBytes(const E2eSetting& setting, const RunningProgram& program) {
    SaveDrawingAs(program, 'D', "divided");
    Check(ReadFileBytes(setting.folder + "\\divided.dxf") == setting.dividedDxf,
          "divided.dxf is byte for byte the tool's --outline divided DXF");
}

}  // namespace

void RunOutlineScenarios(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    HWND dialog = OpenOutlineSettings(program);
    if (dialog != nullptr) {
        Check(ControlText(dialog, IDC_OUTLINE_FITTED) == Say(kTextOutlineFitted) &&
                  ControlText(dialog, IDC_OUTLINE_TOLERANCE_LABEL) == Say(kTextOutlineTolerance),
              "the dialog's texts come from the catalogue");
        Check(Checked(dialog, IDC_OUTLINE_FITTED) &&
                  ControlText(dialog, IDC_OUTLINE_TOLERANCE).empty(),
              "fitted at the default tolerance at first");
        RefusesABadTolerance(program, dialog);
        Choose(dialog, IDC_OUTLINE_FITTED, IDC_OUTLINE_DIVIDED, VK_DOWN);
        PressKey(VK_RETURN);
        Check(WindowGone(dialog, 5000), "OK closes the dialog");
        DividedDxfIsTheToolsBytes(setting, program);
    }
    StopProgram(&program);
    // The next start remembers the choice; the fitted default is then chosen again for the
    // scenarios that follow.
    if (!Start(setting, &program)) {
        return;
    }
    dialog = OpenOutlineSettings(program);
    if (dialog != nullptr) {
        Check(Checked(dialog, IDC_OUTLINE_DIVIDED), "divided is remembered at the next start");
        Choose(dialog, IDC_OUTLINE_DIVIDED, IDC_OUTLINE_FITTED, VK_UP);
        PressKey(VK_RETURN);
        Check(WindowGone(dialog, 5000), "OK closes the dialog");
    }
    StopProgram(&program);
}
