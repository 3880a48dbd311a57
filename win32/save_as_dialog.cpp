#include "win32/save_as_dialog.h"

#include <commdlg.h>

#include "win32/wide_text.h"

// Longest path the dialog hands back, in wide characters.
static const DWORD kPathUnits = 1024;

bool AskSaveAsName(HWND owner, const SaveAsChoice& choice, char* fileName, size_t size) {
    wchar_t path[kPathUnits];
    ToWide(choice.defaultName, path, kPathUnits);
    wchar_t filter[256];
    ToWide(choice.filter, filter, 256);
    // The dialog takes its pairs of texts ended by zeros, the list by an empty text.
    for (wchar_t* c = filter; *c != L'\0'; c++) {
        if (*c == L'|') {
            *c = L'\0';
        }
    }
    wchar_t extension[16];
    ToWide(choice.extension, extension, 16);
    wchar_t folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    OPENFILENAMEW dialog;
    ZeroMemory(&dialog, sizeof dialog);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = kPathUnits;
    dialog.lpstrInitialDir = length > 0 && length < MAX_PATH ? folder : nullptr;
    dialog.lpstrDefExt = extension;
    // A folder that does not exist is left to the export, whose message names the file;
    // the program's own folder stays the current one for the script export.
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) {
        return false;
    }
    ToUtf8(path, fileName, size);
    return true;
}
