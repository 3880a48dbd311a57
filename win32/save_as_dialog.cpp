#include "win32/save_as_dialog.h"

#include <commdlg.h>

#include <cstring>

bool AskSaveAsName(HWND owner, const SaveAsChoice& choice, char* fileName, size_t size) {
    if (size <= strlen(choice.defaultName)) {
        return false;
    }
    memcpy(fileName, choice.defaultName, strlen(choice.defaultName) + 1);
    char folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    OPENFILENAMEA dialog;
    ZeroMemory(&dialog, sizeof dialog);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = choice.filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = static_cast<DWORD>(size);
    dialog.lpstrInitialDir = length > 0 && length < sizeof folder ? folder : nullptr;
    dialog.lpstrDefExt = choice.extension;
    // A folder that does not exist is left to the export, whose message names the file;
    // the program's own folder stays the current one for the script export.
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    return GetSaveFileNameA(&dialog) != FALSE;
}
