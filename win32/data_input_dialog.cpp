#include "win32/data_input_dialog.h"

#include <cstdio>

#include "gear/parameter_check.h"
#include "ui/gear_fields.h"
#include "ui/number_reading.h"
#include "ui/parameter_message.h"
#include "ui/resource.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

// "%7.4f" prints every integer digit: room for the largest double.
static const int kFieldTextSize = 400;
// What is read back of a box: 79 characters and the terminating zero.
static const int kReadTextUnits = 80;

static void ShowTexts(HWND dialog) {
    SetWindowTextUtf8(dialog, UiText(kTextGearDataCaption));
    SetControlTextUtf8(dialog, IDOK, UiText(kTextOk));
    SetControlTextUtf8(dialog, IDCANCEL, UiText(kTextCancel));
    for (const GearFieldRow& row : kGearFields) {
        SetControlTextUtf8(dialog, row.labelControl, UiText(row.label));
    }
    const struct {
        int control;
        GearField field;
    } maxima[] = {{IDC_LABEL_INVOLUTE_MAX, kFieldInvoluteDivisions},
                  {IDC_LABEL_FILLET_MAX, kFieldFilletDivisions}};
    for (const auto& maximum : maxima) {
        char text[64];
        snprintf(text, sizeof text, UiText(kTextDivisionsMaximum),
                 static_cast<int>(GearFieldRowOf(maximum.field).highest));
        SetControlTextUtf8(dialog, maximum.control, text);
    }
}

static void ShowGearParameters(HWND dialog) {
    for (const GearFieldRow& row : kGearFields) {
        char text[kFieldTextSize];
        if (row.kind == kWholeField) {
            snprintf(text, sizeof text, row.format, currentGear.parameters.*row.whole);
        } else {
            snprintf(text, sizeof text, row.format, currentGear.parameters.*row.real);
        }
        SetControlTextUtf8(dialog, row.editControl, text);
    }
}

static GearParameters ReadGearParameters(HWND dialog) {
    GearParameters p = currentGear.parameters;
    for (const GearFieldRow& row : kGearFields) {
        char text[4 * kReadTextUnits];
        ControlTextUtf8(dialog, row.editControl, kReadTextUnits, text, sizeof text);
        if (row.kind == kWholeField) {
            p.*row.whole = ReadIntegerText(text);
        } else {
            p.*row.real = ReadRealText(text);
        }
    }
    return p;
}

// Says what is wrong, then puts the focus on the box to correct with its text selected.
static void ShowRefusal(HWND dialog, const ParameterProblem& problem) {
    char text[2048];
    FormatParameterMessage(problem, programLanguage, text, sizeof text);
    MessageBoxUtf8(dialog, text, UiText(kTextInputErrorCaption), MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(dialog, GearFieldRowOf(problem.field).editControl);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

// Stores all nine fields together, and only when the gear model can compute them.
static void ConfirmGearParameters(HWND dialog) {
    const GearParameters read = ReadGearParameters(dialog);
    const ParameterProblem problem = CheckGear(read, programCut);
    if (problem.rule != kRuleAccepted) {
        ShowRefusal(dialog, problem);
        return;
    }
    currentGear.parameters = read;
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK DataInputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            FitDialogFont(dialog);
            ShowTexts(dialog);
            ShowGearParameters(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    ConfirmGearParameters(dialog);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 1);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}
