// The gear data dialog: Alt+R opens it with the current gear's data, a new pin diameter
// recomputes the dimension over pins, Copy puts the report on the clipboard, a refused k
// or pin gets a message in the run's language and changes nothing, Esc closes it.
#include <string>

#include "formats/gear_report_text.h"
#include "gear/gear_data.h"
#include "tests/e2e/e2e_driver.h"
#include "ui/resource.h"

namespace {

GearData DataOf(const GearParameters& p, double pin) {
    GearData data;
    ComputeGearData(p, pin, 0, &data);
    return data;
}

std::string Shown(const GearData& data, int i) {
    char text[400];
    FormatGearQuantity(data, static_cast<GearQuantity>(i), testLanguage, text, sizeof text);
    return text;
}

// Every value box shows what "involute report" computes for the same gear and inputs.
void ExpectData(HWND dialog, const GearData& data, const std::string& when) {
    int wrong = 0;
    std::string first;
    for (int i = 0; i < kQuantityCount; i++) {
        const std::string shown = ControlText(dialog, IDC_REPORT_VALUE_FIRST + i);
        if (shown != Shown(data, i)) {
            wrong++;
            first = first.empty() ? "row " + std::to_string(i) + " shows '" + shown +
                                        "', expected '" + Shown(data, i) + "'"
                                  : first;
        }
    }
    Check(wrong == 0, when + ": every value as the core computes it; " + first);
}

// The clipboard's Unicode text in UTF-8, as the program's own strings are.
std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) {
        return text;
    }
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* wide =
        memory != nullptr ? static_cast<const wchar_t*>(GlobalLock(memory)) : nullptr;
    if (wide != nullptr) {
        text = Narrow(wide);
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

void OpensWithTheDefaultGear(HWND dialog) {
    const std::string first = testLanguage == kKorean ? "기준원 지름 d" : "Reference diameter d";
    const std::string overPins =
        testLanguage == kKorean ? "오버핀 치수 Md" : "Dimension over pins Md";
    Check(ControlText(dialog, IDC_REPORT_LABEL_FIRST) == first,
          "the first row is labelled '" + first + "'");
    Check(ControlText(dialog, IDC_REPORT_LABEL_FIRST + kQuantityOverPins) == overPins,
          "the over-pins row is labelled '" + overPins + "'");
    Check(ControlText(dialog, IDC_REPORT_COPY) == Say(kTextCopy) &&
              ControlText(dialog, IDCANCEL) == Say(kTextClose) &&
              ControlText(dialog, IDC_REPORT_RECOMPUTE) == Say(kTextRecompute),
          "the buttons read '" + Say(kTextRecompute) + "', '" + Say(kTextCopy) + "', '" +
              Say(kTextClose) + "'");
    // Diameters a designer checks by hand: z = 24, m = 2, 20 degrees, x = 0.
    const struct {
        int row;
        const char* text;
    } known[] = {{kQuantityReferenceDiameter, "48.0000"},
                 {kQuantityBaseDiameter, "45.1052"},
                 {kQuantityTipDiameter, "52.0000"},
                 {kQuantityRootDiameter, "43.0000"},
                 {kQuantityUndercut, Text(kTextNo, testLanguage)}};
    for (const auto& k : known) {
        const std::string shown = ControlText(dialog, IDC_REPORT_VALUE_FIRST + k.row);
        Check(shown == k.text, "default gear: row " + std::to_string(k.row) + " shows '" + shown +
                                   "', expected '" + k.text + "'");
    }
    ExpectData(dialog, DataOf(DefaultGearParameters(), 0), "default gear");
}

void NewPinRecomputesOverPins(HWND dialog) {
    TypeInto(dialog, IDC_REPORT_PIN_DIAMETER, "3.5");
    PressKey(VK_RETURN);
    const GearData data = DataOf(DefaultGearParameters(), 3.5);
    WaitUntil(
        [&] {
            return ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantityOverPins) ==
                   Shown(data, kQuantityOverPins);
        },
        5000);
    Check(IsWindowVisible(dialog) != FALSE, "Enter recomputes and leaves the dialog open");
    Check(ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantityOverPins) ==
              Shown(data, kQuantityOverPins),
          "pin 3.5: Md shows " + Shown(data, kQuantityOverPins) + ", got " +
              ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantityOverPins));
    ExpectData(dialog, data, "pin 3.5");
}

void CopyPutsTheReportOnTheClipboard(HWND dialog) {
    EmptyTheClipboard();
    Check(TabTo(dialog, IDC_REPORT_COPY), "Tab reaches the copy button");
    PressKey(VK_SPACE);
    static char expected[8192];
    FormatGearReport(DataOf(DefaultGearParameters(), 3.5), testLanguage, "\r\n", expected,
                     sizeof expected);
    std::string copied;
    WaitUntil(
        [&] {
            copied = ClipboardText();
            return copied == expected;
        },
        5000);
    Check(copied == expected, "copy: the clipboard holds the report, got '" + copied + "'");
}

// A refused value gets a message naming the box; the dialog, its numbers and the focus
// stay.
void Refused(const RunningProgram& program, HWND dialog, int box, const char* text,
             const std::string& named) {
    const std::string what = std::string("'") + text + "' in box " + std::to_string(box);
    const std::string overPins = ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantityOverPins);
    const std::string span = ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantitySpan);
    TypeInto(dialog, box, text);
    PressKey(VK_RETURN);
    HWND message = WaitForWindow(program, Say(kTextInputErrorCaption), 5000);
    Check(message != nullptr, what + ": a message box appears");
    if (message == nullptr) {
        return;
    }
    Check(MessageBoxText(message).find(named) != std::string::npos,
          what + ": the message names " + named + ": " + MessageBoxText(message));
    PressKey(VK_RETURN);
    Check(WindowGone(message, 5000), what + ": the message box closes");
    Check(IsWindowVisible(dialog) != FALSE, what + ": the dialog stays open");
    Check(WaitUntil([&] { return FocusedWindow(dialog) == GetDlgItem(dialog, box); }, 2000),
          what + ": the focus is in the box");
    Check(ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantityOverPins) == overPins &&
              ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantitySpan) == span,
          what + ": the numbers stay");
}

void ShowsTheConfirmedGear(const RunningProgram& program) {
    EnterGear(program, "12", "2");
    HWND dialog = OpenByMenu(program, 'R', 0, Say(kTextGearReportCaption));
    if (dialog == nullptr) {
        return;
    }
    GearParameters twelve = DefaultGearParameters();
    twelve.toothCount = 12;
    ExpectData(dialog, DataOf(twelve, 0), "12 teeth");
    Check(ControlText(dialog, IDC_REPORT_VALUE_FIRST + kQuantityUndercut) == Say(kTextYes),
          "12 teeth: undercut shows '" + Say(kTextYes) + "'");
    Check(ControlText(dialog, IDC_REPORT_WARNINGS)
                  .find(GearWarningText(kWarningUndercut, testLanguage)) != std::string::npos,
          "12 teeth: the undercut warning is shown");
    PressKey(VK_ESCAPE);
    Check(WindowGone(dialog, 5000), "the dialog closes with Esc");
}

}  // namespace

void RunReportScenarios(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    HWND dialog = OpenByMenu(program, 'R', 0, Say(kTextGearReportCaption));
    if (dialog != nullptr) {
        Check(GetWindow(dialog, GW_OWNER) == program.window, "the main window owns the dialog");
        OpensWithTheDefaultGear(dialog);
        NewPinRecomputesOverPins(dialog);
        CopyPutsTheReportOnTheClipboard(dialog);
        char span[64];
        char pin[64];
        FormatGearQuantityLabel(kQuantitySpanTeeth, testLanguage, span, sizeof span);
        FormatGearQuantityLabel(kQuantityPinDiameter, testLanguage, pin, sizeof pin);
        Refused(program, dialog, IDC_REPORT_SPAN_TEETH, "24", span);
        Refused(program, dialog, IDC_REPORT_SPAN_TEETH, "0", span);
        Refused(program, dialog, IDC_REPORT_PIN_DIAMETER, "abc", pin);
        PressKey(VK_ESCAPE);
        Check(WindowGone(dialog, 5000), "the dialog closes with Esc");
    }
    ShowsTheConfirmedGear(program);
    StopProgram(&program);
}
