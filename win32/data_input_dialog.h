// Dialog 103: shows the nine gear fields and, on OK, stores them if the gear model can
// compute them; otherwise says which field is wrong and keeps everything as it was.
#pragma once

#include <windows.h>

INT_PTR CALLBACK DataInputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
