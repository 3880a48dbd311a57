// The standard Save As dialog of Windows, asking where a drawing file goes.
#pragma once

#include <windows.h>

#include <cstddef>

// What the dialog offers: its type filter (pairs of text and pattern, each ended by '|')
// and the extension a name typed without one gets.
struct SaveAsChoice {
    const char* filter;
    const char* extension;
    const char* defaultName;
};

// Opens the dialog in the current folder with the default name. True with the chosen
// path (UTF-8) in fileName after OK; false after Cancel or when the dialog cannot be shown.
bool AskSaveAsName(HWND owner, const SaveAsChoice& choice, char* fileName, size_t size);
