#include "win32/gear_type_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gear/gear_limits.h"
#include "ui/gear_fields.h"
#include "ui/number_reading.h"
#include "ui/parameter_message.h"
#include "ui/resource.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

// What is read back of a box: 79 characters and the terminating zero.
static const int kReadTextUnits = 80;

static void ShowTexts(HWND dialog) {
    SetWindowTextUtf8(dialog, UiText(kTextGearTypeCaption));
    const struct {
        int control;
        TextId text;
    } texts[] = {{IDC_CUT_KIND_LABEL, kTextGearKind},
                 {IDC_CUT_EXTERNAL, kTextExternalGear},
                 {IDC_CUT_INTERNAL, kTextInternalGear},
                 {IDC_CUT_CUTTER_LABEL, kTextCutter},
                 {IDC_CUT_RACK, kTextRackCutter},
                 {IDC_CUT_SHAPER, kTextShaperCutter},
                 {IDC_CUT_RIM_NOTE, kTextRimEmptyIsDefault},
                 {IDC_CUT_SHIFT_NOTE, kTextRingShiftSign},
                 {IDOK, kTextOk},
                 {IDCANCEL, kTextCancel}};
    for (const auto& text : texts) {
        SetControlTextUtf8(dialog, text.control, UiText(text.text));
    }
    for (const GearFieldRow& row : kCutFields) {
        SetControlTextUtf8(dialog, row.labelControl, UiText(row.label));
    }
}

static void ShowCut(HWND dialog, const GearCut& cut) {
    CheckRadioButton(dialog, IDC_CUT_EXTERNAL, IDC_CUT_INTERNAL,
                     cut.internal ? IDC_CUT_INTERNAL : IDC_CUT_EXTERNAL);
    CheckRadioButton(dialog, IDC_CUT_RACK, IDC_CUT_SHAPER,
                     cut.cutter == kShaperCutter ? IDC_CUT_SHAPER : IDC_CUT_RACK);
    char text[400];
    snprintf(text, sizeof text, "%d", cut.cutterTeeth);
    SetControlTextUtf8(dialog, IDC_CUT_TEETH, text);
    snprintf(text, sizeof text, "%7.4f", cut.cutterShiftCoef);
    SetControlTextUtf8(dialog, IDC_CUT_SHIFT, text);
    // A rim left to its default shows empty, so that it follows the gear.
    text[0] = '\0';
    if (cut.rimDiameter > 0) {
        snprintf(text, sizeof text, "%.4f", cut.rimDiameter);
    }
    SetControlTextUtf8(dialog, IDC_CUT_RIM, text);
}

// The boxes' texts as the data dialog reads its boxes; the rim empty for its default.
static GearCut ReadCut(HWND dialog, bool* rimGiven) {
    GearCut cut = programCut;
    cut.internal = IsDlgButtonChecked(dialog, IDC_CUT_INTERNAL) == BST_CHECKED;
    cut.cutter =
        IsDlgButtonChecked(dialog, IDC_CUT_SHAPER) == BST_CHECKED ? kShaperCutter : kRackCutter;
    char text[4 * kReadTextUnits];
    ControlTextUtf8(dialog, IDC_CUT_TEETH, kReadTextUnits, text, sizeof text);
    cut.cutterTeeth = ReadIntegerText(text);
    ControlTextUtf8(dialog, IDC_CUT_SHIFT, kReadTextUnits, text, sizeof text);
    cut.cutterShiftCoef = ReadRealText(text);
    ControlTextUtf8(dialog, IDC_CUT_RIM, kReadTextUnits, text, sizeof text);
    const char* c = text;
    while (*c == ' ' || *c == '\t') {
        c++;
    }
    *rimGiven = *c != '\0';
    cut.rimDiameter = *rimGiven ? ReadRealText(c) : 0;
    return cut;
}

// Says what is wrong, then puts the focus on the box at fault where it is in this dialog.
static void ShowRefusal(HWND dialog, const ParameterProblem& problem, int box) {
    char text[2048];
    FormatParameterMessage(problem, programLanguage, text, sizeof text);
    MessageBoxUtf8(dialog, text, UiText(kTextInputErrorCaption), MB_OK | MB_ICONWARNING);
    HWND control = GetDlgItem(dialog, box);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    SendMessageW(control, EM_SETSEL, 0, -1);
}

static void ConfirmCut(HWND dialog) {
    bool rimGiven = false;
    const GearCut cut = ReadCut(dialog, &rimGiven);
    if (cut.internal && cut.cutter == kRackCutter) {
        char named[200];
        snprintf(named, sizeof named, UiText(kTextFieldInSentence), UiText(kTextCutter));
        char text[600];
        char sentence[400];
        snprintf(sentence, sizeof sentence, UiText(kTextRuleRingNeedsShaper), named);
        snprintf(text, sizeof text, UiText(kTextRefusalHead), UiText(kTextCutter));
        snprintf(text + strlen(text), sizeof text - strlen(text), "%s", sentence);
        MessageBoxUtf8(dialog, text, UiText(kTextInputErrorCaption), MB_OK | MB_ICONWARNING);
        return;
    }
    if (rimGiven && !(cut.rimDiameter > 0 && cut.rimDiameter <= kMaxMagnitude)) {
        ShowRefusal(dialog, ParameterProblemOf(kRuleMagnitude, kFieldRimDiameter, 0), IDC_CUT_RIM);
        return;
    }
    const ParameterProblem problem = CheckGear(currentGear.parameters, cut);
    if (problem.rule != kRuleAccepted) {
        const int box = problem.field == kFieldCutterTeeth   ? IDC_CUT_TEETH
                        : problem.field == kFieldCutterShift ? IDC_CUT_SHIFT
                        : problem.field == kFieldRimDiameter ? IDC_CUT_RIM
                                                             : IDC_CUT_EXTERNAL;
        ShowRefusal(dialog, problem, box);
        return;
    }
    SetCurrentCut(cut);
    EndDialog(dialog, 1);
}

static INT_PTR CALLBACK GearTypeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            FitDialogFont(dialog);
            ShowTexts(dialog);
            ShowCut(dialog, programCut);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    ConfirmCut(dialog);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                case IDC_CUT_INTERNAL:
                    // A ring is cut by a shaper only.
                    CheckRadioButton(dialog, IDC_CUT_RACK, IDC_CUT_SHAPER, IDC_CUT_SHAPER);
                    return FALSE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void ChooseGearType(HWND window) {
    RunDialog(window, IDD_GEAR_TYPE, GearTypeDialogProc, 0);
}
