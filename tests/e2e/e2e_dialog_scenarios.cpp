// Dialog 103: the fields shown, values confirmed, cancelled and refused.
#include <string>

#include "gear/parameter_check.h"
#include "ui/parameter_message.h"
#include "tests/e2e/e2e_driver.h"

namespace {

const char* kCaption = "기어 데이타 입력";

struct Field {
    int id;
    const char* shownAtStart;
};

// In the order the dialog fills them.
const Field kFields[] = {{1007, "24"},      {1008, " 2.0000"}, {1009, "20.0000"},
                         {1010, " 0.0000"}, {1011, " 1.0000"}, {1012, " 1.2500"},
                         {1013, " 0.2500"}, {1017, "30"},      {1016, "20"}};

HWND OpenDataDialog(const RunningProgram& program) {
    return OpenByMenu(program, 'D', 0, kCaption);
}

void TypeInto(HWND dialog, int id, const char* text) {
    Check(TabTo(dialog, id), "Tab reaches box " + std::to_string(id));
    TypeText(text);
}

void CloseWith(HWND dialog, WORD key, const char* what) {
    PressKey(key);
    Check(WindowGone(dialog, 5000), std::string("the dialog closes with ") + what);
}

// Opens the dialog, compares every box with expected (the defaults where null), closes.
void ExpectShown(const RunningProgram& program, const char* const* expected, const char* when) {
    HWND dialog = OpenDataDialog(program);
    if (dialog == nullptr) {
        return;
    }
    int i = 0;
    for (const Field& field : kFields) {
        const char* want = expected != nullptr ? expected[i] : field.shownAtStart;
        const std::string shown = ControlText(dialog, field.id);
        Check(shown == want, std::string(when) + ": box " + std::to_string(field.id) + " shows '" +
                                 shown + "', expected '" + want + "'");
        i++;
    }
    CloseWith(dialog, VK_ESCAPE, "Esc");
}

struct Refusal {
    int id;
    const char* text;
    GearField field;
};

// The value is refused with a message naming the field (and saying says, where given); the
// dialog stays open with the focus in that box.
HWND ExpectRefused(const RunningProgram& program, const Refusal& refusal,
                   const char* says = nullptr) {
    const std::string what =
        std::string("'") + refusal.text + "' in box " + std::to_string(refusal.id);
    HWND dialog = OpenDataDialog(program);
    if (dialog == nullptr) {
        return nullptr;
    }
    TypeInto(dialog, refusal.id, refusal.text);
    PressKey(VK_RETURN);
    HWND box = WaitForWindow(program, "입력 오류", 5000);
    Check(box != nullptr, what + ": a message box appears");
    if (box == nullptr) {
        CloseWith(dialog, VK_ESCAPE, "Esc");
        return nullptr;
    }
    const std::string label = std::string("'") + GearFieldLabel(refusal.field) + "'";
    Check(MessageBoxText(box).find(label) != std::string::npos,
          what + ": the message names the field: " + MessageBoxText(box));
    Check(says == nullptr || MessageBoxText(box).find(says) != std::string::npos,
          what + ": the message says what is wrong: " + MessageBoxText(box));
    PressKey(VK_RETURN);
    Check(WindowGone(box, 5000), what + ": the message box closes");
    Check(IsWindowVisible(dialog) != FALSE, what + ": the dialog stays open");
    Check(FocusedWindow(dialog) == GetDlgItem(dialog, refusal.id),
          what + ": the focus is in the refused box");
    return dialog;
}

void RefusedValuesChangeNothing(const RunningProgram& program) {
    const Refusal refusals[] = {
        {1007, "0", kFieldToothCount},     {1016, "71", kFieldFilletDivisions},
        {1008, "abc", kFieldModule},       {1009, "90", kFieldPressureAngle},
        {1010, "1.0", kFieldProfileShift}, {1008, "1e999", kFieldModule},
        {1011, "2.0", kFieldAddendum},     {1007, "99999999999999", kFieldToothCount},
    };
    for (const Refusal& refusal : refusals) {
        HWND dialog = ExpectRefused(program, refusal);
        if (dialog != nullptr) {
            CloseWith(dialog, VK_ESCAPE, "Esc after a refusal");
        }
    }
    ExpectShown(program, nullptr, "after the refusals");
}

// Values each in range whose tooth cannot be drawn: the undercut of 3 teeth reaches into
// the next tooth, an addendum of 50 makes the flank spiral round past the centre line.
void UndrawableTeethAreRefused(const RunningProgram& program) {
    const Refusal threeTeeth = {1007, "3", kFieldToothCount};
    const Refusal addendum = {1011, "50", kFieldAddendum};
    const struct {
        const Refusal* refusal;
        const char* says;
    } cases[] = {{&threeTeeth, "이웃한 이의 반 피치 안으로"}, {&addendum, "뾰족"}};
    for (const auto& c : cases) {
        HWND dialog = ExpectRefused(program, *c.refusal, c.says);
        if (dialog != nullptr) {
            CloseWith(dialog, VK_ESCAPE, "Esc after a refused tooth");
        }
    }
    ExpectShown(program, nullptr, "after the refused teeth");
}

void CorrectedValueIsTaken(const RunningProgram& program) {
    const Refusal refusal = {1007, "0", kFieldToothCount};
    HWND dialog = ExpectRefused(program, refusal);
    if (dialog == nullptr) {
        return;
    }
    // The refused text is selected: typing replaces it.
    TypeText("20");
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
    TypeInto(dialog, 1007, "12");
    TypeInto(dialog, 1010, "0.5");
    CloseWith(dialog, VK_RETURN, "Enter in a box, as OK");
    ShowView(program, 'T');
    // Tip radius 15 gives the scale 18: circles of 270, 216 and 189 pixels' radius.
    const ClientPixels shot = CaptureClient(program.window);
    Check(PixelAt(shot, 300, 5) == kYellow, "12 teeth: top of the tip circle at row 5");
    Check(PixelAt(shot, 300, 59) == kCyan, "12 teeth: top of the pitch circle at row 59");
    Check(PixelAt(shot, 300, 86) == kMagenta, "12 teeth: top of the root circle at row 86");
    Check(PixelAt(shot, 30, 275) == kYellow, "12 teeth: left of the tip circle");

    DeleteFileA((setting.folder + "\\test.scr").c_str());
    HWND name = OpenByMenu(program, 'A', 'M', "Dialog");
    if (name == nullptr) {
        return;
    }
    PressKey(VK_RETURN);
    HWND notice = WaitForWindow(program, "알림 메세지", 5000);
    Check(notice != nullptr, "12 teeth: the export is announced");
    PressKey(VK_RETURN);
    WindowGone(notice, 5000);
    Check(ReadFileBytes(setting.folder + "\\test.scr") == setting.twelveScript,
          "12 teeth: the script equals involute script --teeth 12 --shift 0.5");
}

void CancelKeepsEveryValue(const RunningProgram& program) {
    HWND dialog = OpenDataDialog(program);
    if (dialog == nullptr) {
        return;
    }
    TypeInto(dialog, 1007, "30");
    TypeInto(dialog, 1010, "0.3");
    TypeInto(dialog, 1016, "5");
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
    ExpectShown(program, nullptr, "at start");
    RefusedValuesChangeNothing(program);
    UndrawableTeethAreRefused(program);
    CorrectedValueIsTaken(program);
    TwelveShiftedTeethAreDrawnAndExported(setting, program);
    CancelKeepsEveryValue(program);
    StopProgram(&program);
}
