// The gear data command: a modal dialog, owned by the main window, that shows the data of
// the current gear (the last one confirmed in the data input dialog), recomputes them for
// another pin diameter or span tooth count, and copies them as text.
#pragma once

#include <windows.h>

void ShowGearReport(HWND window);

INT_PTR CALLBACK GearReportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
