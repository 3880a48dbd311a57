#include "win32/script_name_dialog.h"

#include <cstring>

#include "ui/resource.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

char scriptBaseName[kScriptBaseNameSize] = "test";

// Room for what an edit can hold beyond the limit (pasted text) before it is cut back.
static const int kEditTextUnits = 512;

// Keeps the box within the places the name has, in whole characters, so that what is
// typed is what is stored.
static void KeepNameWithinLimit(HWND dialog) {
    char text[4 * kEditTextUnits];
    ControlTextUtf8(dialog, IDC_SCRIPT_NAME, kEditTextUnits, text, sizeof text);
    if (NameWidth(text) <= kScriptBaseNameWidth) {
        return;
    }
    char fitted[kScriptBaseNameSize];
    CopyBaseName(text, fitted);
    SetControlTextUtf8(dialog, IDC_SCRIPT_NAME, fitted);
    HWND edit = GetDlgItem(dialog, IDC_SCRIPT_NAME);
    const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(edit, EM_SETSEL, length, length);
    MessageBeep(MB_OK);
}

static void ShowTexts(HWND dialog) {
    SetWindowTextUtf8(dialog, UiText(kTextScriptNameCaption));
    SetControlTextUtf8(dialog, IDOK, UiText(kTextOk));
    const struct {
        int control;
        TextId text;
    } texts[] = {{IDC_SCRIPT_PROMPT, kTextScriptNamePrompt},
                 {IDC_SCRIPT_EXTENSION_NOTE, kTextScriptNameExtensionNote},
                 {IDC_SCRIPT_USAGE, kTextScriptNameUsage},
                 {IDC_SCRIPT_LABEL, kTextScriptNameLabel},
                 {IDC_SCRIPT_EXTENSION, kTextScriptNameExtension}};
    for (const auto& text : texts) {
        SetControlTextUtf8(dialog, text.control, UiText(text.text));
    }
}

INT_PTR CALLBACK ScriptNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            FitDialogFont(dialog);
            ShowTexts(dialog);
            // Each character takes at least one of the places.
            SendDlgItemMessageW(dialog, IDC_SCRIPT_NAME, EM_LIMITTEXT, kScriptBaseNameWidth, 0);
            SetControlTextUtf8(dialog, IDC_SCRIPT_NAME, scriptBaseName);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: {
                    char text[4 * kEditTextUnits];
                    ControlTextUtf8(dialog, IDC_SCRIPT_NAME, kEditTextUnits, text, sizeof text);
                    CopyBaseName(text, scriptBaseName);
                    EndDialog(dialog, 1);
                    return TRUE;
                }
                case IDCANCEL:
                    EndDialog(dialog, 1);
                    return TRUE;
                case IDC_SCRIPT_NAME:
                    if (HIWORD(wParam) == EN_CHANGE) {
                        KeepNameWithinLimit(dialog);
                    }
                    return FALSE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}
