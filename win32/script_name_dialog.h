// Dialog 104: the script file's name without its extension.
#pragma once

#include <windows.h>

#include "ui/script_name.h"

// The name last confirmed with OK; "test" until then.
extern char scriptBaseName[kScriptBaseNameSize];

INT_PTR CALLBACK ScriptNameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
