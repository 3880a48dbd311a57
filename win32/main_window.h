// The main window: its procedure, the about display and the data input command.
#pragma once

#include <windows.h>

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void ShowAbout(HWND window);

void InputGearData(HWND window);
