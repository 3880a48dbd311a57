#include "win32/script_name_dialog.h"

#include <cstring>

#include "ui/resource.h"

char scriptBaseName[kScriptBaseNameSize] = "test";

// Room for what an edit can hold beyond the limit (pasted text) before it is cut back.
static const int kEditTextSize = 512;

// Keeps the box within the bytes the name can hold, in whole characters, so that what
// is typed is what is stored.
static void KeepNameWithinLimit(HWND edit) {
    char text[kEditTextSize] = "";
    GetWindowTextA(edit, text, kEditTextSize);
    if (strlen(text) < kScriptBaseNameSize) {
        return;
    }
    char fitted[kScriptBaseNameSize];
    const size_t length = CopyWholeCharacters(text, fitted, sizeof fitted);
    SetWindowTextA(edit, fitted);
    SendMessageA(edit, EM_SETSEL, length, length);
    MessageBeep(MB_OK);
}

INT_PTR CALLBACK ScriptNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            HWND edit = GetDlgItem(dialog, IDC_SCRIPT_NAME);
            SendMessageA(edit, EM_LIMITTEXT, kScriptBaseNameSize - 1, 0);
            SetWindowTextA(edit, scriptBaseName);
            return TRUE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: {
                    char text[kEditTextSize] = "";
                    GetWindowTextA(GetDlgItem(dialog, IDC_SCRIPT_NAME), text, kEditTextSize);
                    CopyWholeCharacters(text, scriptBaseName, sizeof scriptBaseName);
                    EndDialog(dialog, 1);
                    return TRUE;
                }
                case IDCANCEL:
                    EndDialog(dialog, 1);
                    return TRUE;
                case IDC_SCRIPT_NAME:
                    if (HIWORD(wParam) == EN_CHANGE) {
                        KeepNameWithinLimit(GetDlgItem(dialog, IDC_SCRIPT_NAME));
                    }
                    return FALSE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}
