#include "win32/outline_settings_dialog.h"

#include <cstdio>
#include <cstring>

#include "gear/outline_choice.h"
#include "ui/number_reading.h"
#include "ui/outline_message.h"
#include "ui/resource.h"
#include "win32/outline_setting.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

// What is read back of the box: 79 characters and the terminating zero.
static const int kReadTextUnits = 80;

static void ShowTexts(HWND dialog) {
    SetWindowTextUtf8(dialog, UiText(kTextOutlineSettingsCaption));
    SetControlTextUtf8(dialog, IDOK, UiText(kTextOk));
    SetControlTextUtf8(dialog, IDCANCEL, UiText(kTextCancel));
    SetControlTextUtf8(dialog, IDC_OUTLINE_FITTED, UiText(kTextOutlineFitted));
    SetControlTextUtf8(dialog, IDC_OUTLINE_DIVIDED, UiText(kTextOutlineDivided));
    SetControlTextUtf8(dialog, IDC_OUTLINE_TOLERANCE_LABEL, UiText(kTextOutlineTolerance));
    char note[512];
    snprintf(note, sizeof note, UiText(kTextOutlineToleranceNote),
             DefaultOutlineTolerance(currentGear.parameters));
    SetControlTextUtf8(dialog, IDC_OUTLINE_TOLERANCE_NOTE, note);
}

static void ShowSetting(HWND dialog) {
    const OutlineSetting setting = CurrentOutlineSetting();
    CheckRadioButton(dialog, IDC_OUTLINE_FITTED, IDC_OUTLINE_DIVIDED,
                     setting.style == kOutlineDivided ? IDC_OUTLINE_DIVIDED : IDC_OUTLINE_FITTED);
    char text[64] = "";
    if (setting.toleranceTyped) {
        snprintf(text, sizeof text, "%.10g", setting.tolerance);
    }
    SetControlTextUtf8(dialog, IDC_OUTLINE_TOLERANCE, text);
}

// Says what the tolerance needs, then puts the focus on the box with its text selected.
static void ShowRefusal(HWND dialog) {
    char text[1024];
    FormatToleranceRefusal(currentGear.parameters, programLanguage, text, sizeof text);
    MessageBoxUtf8(dialog, text, UiText(kTextInputErrorCaption), MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(dialog, IDC_OUTLINE_TOLERANCE);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

// An empty box means the default; anything else must be a tolerance the fit reaches.
static void ConfirmSetting(HWND dialog) {
    OutlineSetting setting = {kOutlineFitted, false, 0};
    if (IsDlgButtonChecked(dialog, IDC_OUTLINE_DIVIDED) == BST_CHECKED) {
        setting.style = kOutlineDivided;
    }
    char text[4 * kReadTextUnits];
    ControlTextUtf8(dialog, IDC_OUTLINE_TOLERANCE, kReadTextUnits, text, sizeof text);
    const bool empty = text[strspn(text, " \t")] == '\0';
    if (!empty) {
        if (!ReadWholeRealText(text, &setting.tolerance) ||
            !OutlineToleranceAccepted(currentGear.parameters, setting.tolerance)) {
            ShowRefusal(dialog);
            return;
        }
        setting.toleranceTyped = true;
    }
    ChooseOutlineSetting(setting);
    EndDialog(dialog, 1);
}

static INT_PTR CALLBACK OutlineSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                                  LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            FitDialogFont(dialog);
            ShowTexts(dialog);
            ShowSetting(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    ConfirmSetting(dialog);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void EditOutlineSettings(HWND window) {
    RunDialog(window, IDD_OUTLINE_SETTINGS, OutlineSettingsDialogProc, 0);
}
