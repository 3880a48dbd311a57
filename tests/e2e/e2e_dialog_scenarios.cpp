// The gear data dialog: the fields shown, values confirmed, cancelled and refused, every
// text in the language of the run.
#include <cmath>
#include <string>

#include "gear/parameter_check.h"
#include "tests/e2e/e2e_driver.h"
#include "ui/gear_fields.h"
#include "ui/parameter_message.h"
#include "ui/resource.h"

namespace {

// What the boxes show at start, in the order the dialog fills them.
const char* const kShownAtStart[kGearFieldCount] = {
    "24", " 2.0000", "20.0000", " 0.0000", " 1.0000", " 1.2500", " 0.2500", "30", "20"};

HWND OpenDataDialog(const RunningProgram& program) {
    return OpenByMenu(program, 'D', 0, Say(kTextGearDataCaption));
}

void CloseWith(HWND dialog, WORD key, const char* what) {
    PressKey(key);
    Check(WindowGone(dialog, 5000), std::string("the dialog closes with ") + what);
}

// The labels, buttons and maxima in the run's language: what a person reads.
void ExpectTexts(HWND dialog) {
    int wrong = 0;
    std::string first;
    auto expect = [&](int id, const std::string& text) {
        if (ControlText(dialog, id) != text && wrong++ == 0) {
            first = "control " + std::to_string(id) + " reads '" + ControlText(dialog, id) +
                    "', expected '" + text + "'";
        }
    };
    for (const GearFieldRow& row : kGearFields) {
        expect(row.labelControl, Say(row.label));
    }
    expect(IDOK, Say(kTextOk));
    expect(IDCANCEL, Say(kTextCancel));
    expect(IDC_LABEL_INVOLUTE_MAX, "<= Max 100");
    expect(IDC_LABEL_FILLET_MAX, "<= Max 70");
    Check(wrong == 0, "the dialog's texts are those of the catalogue: " + first);
}

// Opens the dialog, compares every box with expected (the defaults where null), closes.
void ExpectShown(const RunningProgram& program, const char* const* expected, const char* when) {
    HWND dialog = OpenDataDialog(program);
    if (dialog == nullptr) {
        return;
    }
    for (int i = 0; i < kGearFieldCount; i++) {
        const int id = kGearFields[i].editControl;
        const std::string want = expected != nullptr ? expected[i] : kShownAtStart[i];
        const std::string shown = ControlText(dialog, id);
        Check(shown == want, std::string(when) + ": box " + std::to_string(id) + " shows '" +
                                 shown + "', expected '" + want + "'");
    }
    CloseWith(dialog, VK_ESCAPE, "Esc");
}

// The value is refused with the message the checks give for it, naming the field; the
// dialog stays open with the focus in that box.
HWND ExpectRefused(const RunningProgram& program, GearField field, const char* text,
                   const GearParameters& refused) {
    const int id = GearFieldRowOf(field).editControl;
    const std::string what = std::string("'") + text + "' in box " + std::to_string(id);
    HWND dialog = OpenDataDialog(program);
    if (dialog == nullptr) {
        return nullptr;
    }
    TypeInto(dialog, id, text);
    PressKey(VK_RETURN);
    HWND box = WaitForWindow(program, Say(kTextInputErrorCaption), 5000);
    Check(box != nullptr, what + ": a message box appears");
    if (box == nullptr) {
        CloseWith(dialog, VK_ESCAPE, "Esc");
        return nullptr;
    }
    const ParameterProblem problem = CheckGearParameters(refused);
    char expected[2048];
    FormatParameterMessage(problem, testLanguage, expected, sizeof expected);
    const std::string label = Say(GearFieldRowOf(field).label);
    Check(problem.field == field && MessageBoxText(box) == expected,
          what + ": the message names '" + label + "' and says why: " + MessageBoxText(box));
    PressKey(VK_RETURN);
    Check(WindowGone(box, 5000), what + ": the message box closes");
    Check(IsWindowVisible(dialog) != FALSE, what + ": the dialog stays open");
    Check(WaitUntil([&] { return FocusedWindow(dialog) == GetDlgItem(dialog, id); }, 2000),
          what + ": the focus is in the refused box");
    return dialog;
}

void RefusedValuesChangeNothing(const RunningProgram& program) {
    GearParameters p = DefaultGearParameters();
    const struct {
        GearField field;
        const char* text;
        double value;
    } refusals[] = {
        {kFieldToothCount, "0", 0},       {kFieldFilletDivisions, "71", 71},
        {kFieldModule, "abc", 0},         {kFieldPressureAngle, "90", 90},
        {kFieldProfileShift, "1.0", 1.0}, {kFieldModule, "1e999", HUGE_VAL},
        {kFieldAddendum, "2.0", 2.0},     {kFieldToothCount, "99999999999999", 2147483647},
        {kFieldToothCount, "3", 3},       {kFieldAddendum, "50", 50},
    };
    for (const auto& refusal : refusals) {
        GearParameters refused = p;
        SetGearFieldValue(GearFieldRowOf(refusal.field), refusal.value, &refused);
        HWND dialog = ExpectRefused(program, refusal.field, refusal.text, refused);
        if (dialog != nullptr) {
            CloseWith(dialog, VK_ESCAPE, "Esc after a refusal");
        }
    }
    ExpectShown(program, nullptr, "after the refusals");
}

void CorrectedValueIsTaken(const RunningProgram& program) {
    GearParameters refused = DefaultGearParameters();
    refused.toothCount = 0;
    HWND dialog = ExpectRefused(program, kFieldToothCount, "0", refused);
    if (dialog == nullptr) {
        return;
    }
    // The refused text is selected: typing replaces it.
    TypeText("20");
    WaitUntil([&] { return ControlText(dialog, IDC_TEETH) == "20"; }, 5000);
    CloseWith(dialog, VK_RETURN, "Enter once the value is corrected");
    const char* expected[] = {"20",      " 2.0000", "20.0000", " 0.0000", " 1.0000",
                              " 1.2500", " 0.2500", "30",      "20"};
    ExpectShown(program, expected, "after the correction");
}

void TwelveShiftedTeethAreDrawnAndExported(const E2eSetting& setting,
                                           const RunningProgram& program) {
    HWND dialog = OpenDataDialog(program);
    if (dialog == nullptr) {
        return;
    }
    TypeInto(dialog, IDC_TEETH, "12");
    TypeInto(dialog, IDC_PROFILE_SHIFT, "0.5");
    CloseWith(dialog, VK_RETURN, "Enter in a box, as OK");
    ChooseView(program, 'T');
    // Tip radius 15 gives the scale 18: circles of 270, 216 and 189 pixels' radius.
    Check(WaitForPixel(program.window, 300, 5, kYellow, 5000),
          "12 teeth: top of the tip circle at row 5");
    const ClientPixels shot = CaptureClient(program.window);
    Check(PixelAt(shot, 300, 59) == kCyan, "12 teeth: top of the pitch circle at row 59");
    Check(PixelAt(shot, 300, 86) == kMagenta, "12 teeth: top of the root circle at row 86");
    Check(PixelAt(shot, 30, 275) == kYellow, "12 teeth: left of the tip circle");

    RemoveFile(setting.folder + "\\test.scr");
    HWND name = OpenByMenu(program, 'A', 'M', Say(kTextScriptNameCaption));
    if (name == nullptr) {
        return;
    }
    PressKey(VK_RETURN);
    AnswerBox(program, Say(kTextNoticeCaption));
    Check(ReadFileBytes(setting.folder + "\\test.scr") == setting.twelveScript,
          "12 teeth: the script equals involute script --teeth 12 --shift 0.5");
}

void CancelKeepsEveryValue(const RunningProgram& program) {
    HWND dialog = OpenDataDialog(program);
    if (dialog == nullptr) {
        return;
    }
    TypeInto(dialog, IDC_TEETH, "30");
    TypeInto(dialog, IDC_PROFILE_SHIFT, "0.3");
    TypeInto(dialog, IDC_FILLET_DIVISIONS, "5");
    CloseWith(dialog, VK_ESCAPE, "Esc after edits");
    const char* expected[] = {"12",      " 2.0000", "20.0000", " 0.5000", " 1.0000",
                              " 1.2500", " 0.2500", "30",      "20"};
    ExpectShown(program, expected, "after Esc");
}

}  // namespace

void RunDataInputScenarios(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    HWND dialog = OpenDataDialog(program);
    if (dialog != nullptr) {
        ExpectTexts(dialog);
        CloseWith(dialog, VK_ESCAPE, "Esc");
    }
    ExpectShown(program, nullptr, "at start");
    RefusedValuesChangeNothing(program);
    CorrectedValueIsTaken(program);
    TwelveShiftedTeethAreDrawnAndExported(setting, program);
    CancelKeepsEveryValue(program);
    StopProgram(&program);
}
